#include "app/windowfactory.h"
#include "testplatform.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace korvalde;

// Each frame's caption on the start page names the frame and the FKE and DP that
// choosing it writes.
TEST(StartPage, EachFrameCaptionNamesWhatChoosingItWrites)
{
    test::TestPlatform platform;
    std::unique_ptr<Application> app = startKorvalde(platform);
    const Window &page = *app->find("Form1");
    static const QRegularExpression pattern(R"(^(\S.*\S) +\( FKE: (\S+)  \|  DP: ?(\d+) \)$)");
    for (int number = 1; number <= 14; ++number) {
        const QString button = QStringLiteral("Option%1").arg(number);
        ASSERT_EQ(app->userClick("Form1", button), "");
        const QRegularExpressionMatch match = pattern.match(page[button].text());
        ASSERT_TRUE(match.hasMatch()) << page[button].text().toStdString();
        EXPECT_EQ(match.captured(1).remove('-').toLower(), page["typ"].text().toLower());
        EXPECT_EQ(match.captured(2).replace('.', ','), page["fke"].text());
        EXPECT_EQ(match.captured(3), page["dp"].text());
    }
}
