// The layout check that the whole designs pass must find each kind of fault a reader meets
// on a phone-wide page, and only there; otherwise its passing would say nothing.

#include "browserdriver.h"
#include "environment.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

namespace korvalde::scenario::browser {
namespace {

TEST(LayoutCheck, FindsWhatAReaderCannotRead)
{
    Environment environment;
    ASSERT_EQ(environment.startBrowser(), "");
    QFile file(QStringLiteral(KORVALDE_TEST_DIR "/layout/layoutfaults.js"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString script = QString::fromUtf8(file.readAll());
    BrowserDriver phone;
    const QUrl page = QUrl::fromLocalFile(QStringLiteral(KORVALDE_TEST_DIR "/layout-faults.html"));
    ASSERT_EQ(phone.start(environment.devTools(), page, 390), "");
    QString error;
    const std::optional<QJsonValue> found = phone.evaluate(script, &error);
    ASSERT_TRUE(found) << error.toStdString();
    const QString faults = found->toVariant().toStringList().join('\n');
    EXPECT_TRUE(faults.contains("the page scrolls sideways")) << faults.toStdString();
    EXPECT_TRUE(faults.contains("Form1.Wide reaches out of the view")) << faults.toStdString();
    EXPECT_TRUE(faults.contains("Form1.Cut shows its text cut off")) << faults.toStdString();
    EXPECT_TRUE(faults.contains("Form1.Hidden is cut off by the panel")) << faults.toStdString();
    EXPECT_TRUE(faults.contains("Form1.Value shows its text cut off")) << faults.toStdString();
    EXPECT_FALSE(faults.contains("Form1.Fine")) << faults.toStdString();
    EXPECT_FALSE(faults.contains("Form1.Gone")) << faults.toStdString();
    ASSERT_EQ(phone.setWidth(1280), "");
    const std::optional<QJsonValue> wide = phone.evaluate(script, &error);
    ASSERT_TRUE(wide);
    EXPECT_FALSE(wide->toVariant().toStringList().join('\n').contains("sideways"));
}

} // namespace
} // namespace korvalde::scenario::browser

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
