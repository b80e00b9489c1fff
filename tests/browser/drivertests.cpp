// The browser driver against a page that keeps the page's agreement with it: clicks land
// where a user's would or are refused as a user's would be, what it reads is what the page
// shows, and it waits for the page's late answers.

#include "browserdriver.h"
#include "environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Texts shown as texts where a test fails.
void PrintTo(const QString &text, std::ostream *stream)
{
    *stream << '"' << text.toStdString() << '"';
}

namespace korvalde::scenario::browser {
namespace {

class BrowserDriverTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        environment = new Environment;
        startError = environment->startBrowser();
    }
    static void TearDownTestSuite()
    {
        delete environment;
        environment = nullptr;
    }

    void SetUp() override
    {
        ASSERT_EQ(startError, "");
        const QUrl page = QUrl::fromLocalFile(QStringLiteral(KORVALDE_TEST_DIR "/contract-page.html"));
        ASSERT_EQ(driver.start(environment->devTools(), page), "");
        ASSERT_TRUE(out.isValid());
    }

    QString read(const QString &control, const QString &property) const
    {
        return driver.controlProperty("Form1", control, property);
    }

    static Environment *environment;
    static QString startError;
    BrowserDriver driver;
    QTemporaryDir out;
};

Environment *BrowserDriverTest::environment = nullptr;
QString BrowserDriverTest::startError;

TEST_F(BrowserDriverTest, ReadsWhatThePageShows)
{
    EXPECT_TRUE(driver.isLoaded("Form1"));
    EXPECT_FALSE(driver.isLoaded("Form12"));
    EXPECT_EQ(driver.windowProperty("Form1", "shown"), "true");
    EXPECT_EQ(driver.windowProperty("Form2", "shown"), "false");
    EXPECT_EQ(driver.windowProperty("Form3", "enabled"), "false");
    EXPECT_EQ(driver.windowProperty("form6", "shown"), "false");
    EXPECT_EQ(driver.windowProperty("Form1", "title"), "Start");

    EXPECT_EQ(driver.controlKind("Form1", "Check1"), ControlKind::CheckBox);
    EXPECT_EQ(driver.controlKind("Form1", "Option1"), ControlKind::OptionButton);
    EXPECT_EQ(driver.controlKind("Form1", "Name"), ControlKind::EditField);
    EXPECT_EQ(driver.controlKind("Form1", "Shown"), ControlKind::TextField);
    EXPECT_EQ(driver.controlKind("Form1", "Combo"), ControlKind::ComboBox);
    EXPECT_EQ(driver.controlKind("Form1", "mnuOeffnen"), ControlKind::MenuItem);
    EXPECT_EQ(driver.controlKind("Form1", "Frame1"), ControlKind::Frame);
    EXPECT_EQ(driver.controlKind("Form1", "Label1"), ControlKind::Label);
    EXPECT_EQ(driver.controlKind("Form1", "Weiter"), std::nullopt) << "a control of another window";

    EXPECT_EQ(read("Command1", "caption"), "&Weiter") << "the raw caption, mnemonic marked";
    EXPECT_EQ(read("Check1", "caption"), "Kasten") << "a box's caption is its label";
    EXPECT_EQ(read("Frame1", "text"), "&Rahmen");
    EXPECT_EQ(read("Label1", "text"), "Anfang");
    EXPECT_EQ(read("Name", "text"), "alt");
    EXPECT_EQ(read("Combo", "text"), "02");
    EXPECT_EQ(read("Combo", "items"), "01|02|03");
    EXPECT_EQ(read("Check1", "tooltip"), "Ein Kasten");
    EXPECT_EQ(read("Check3", "tooltip"), "");
    EXPECT_EQ(read("Check4", "state"), "grayed");
    EXPECT_EQ(read("Check1", "state"), "unchecked");
    EXPECT_EQ(read("Check3", "enabled"), "false");
    EXPECT_EQ(read("Frame1", "enabled"), "false");
    EXPECT_EQ(read("Inner", "enabled"), "true") << "its own flag, whatever the frame around it";
    EXPECT_EQ(read("Check2", "visible"), "false") << "hidden through its box";
    EXPECT_EQ(read("Gone", "visible"), "true") << "its own flag, whatever the frame around it";
}

TEST_F(BrowserDriverTest, ClicksWaitForThePagesAnswer)
{
    EXPECT_EQ(driver.click("Form1", "Check1"), "");
    EXPECT_EQ(read("Check1", "state"), "checked");
    EXPECT_EQ(read("Label1", "text"), "geklickt");
    EXPECT_EQ(driver.click("Form1", "Far"), "") << "scrolled into view first";
    EXPECT_EQ(driver.click("Form1", "Command1"), "");
    EXPECT_EQ(driver.windowProperty("Form2", "shown"), "true");
    EXPECT_EQ(driver.click("Form1", "Check1"), "window Form1 is not shown");
}

TEST_F(BrowserDriverTest, RefusesWhatAUserCannotClick)
{
    EXPECT_EQ(driver.click("Form1", "Check2"), "Form1.Check2 is hidden");
    EXPECT_EQ(driver.click("Form1", "Gone"), "Form1.Gone is hidden") << "inside a hidden frame";
    EXPECT_EQ(driver.click("Form1", "Check3"), "Form1.Check3 is disabled");
    EXPECT_EQ(driver.click("Form1", "Inner"), "Form1.Inner is disabled") << "inside a disabled frame";
    EXPECT_EQ(driver.click("Form1", "Label1"), "Form1.Label1 cannot be clicked");
    EXPECT_EQ(driver.click("Form1", "Nothing"), "window Form1 has no control Nothing");
    EXPECT_EQ(driver.click("Form3", "Any"), "window Form3 is not shown");
    EXPECT_EQ(driver.click("Form12", "Check1"), "window Form12 is not loaded");
    EXPECT_EQ(driver.click("Form1", "Dialog"), "");
    EXPECT_EQ(driver.windowProperty("form6", "shown"), "true");
    EXPECT_EQ(driver.openModalWindow(), "Montage");
    EXPECT_EQ(driver.click("Form1", "Check1"), "Form1.Check1 is covered by window form6");
    EXPECT_EQ(read("Check1", "state"), "unchecked");
    EXPECT_EQ(driver.close("form6"), "") << "Escape";
    EXPECT_EQ(driver.windowProperty("form6", "shown"), "false");
    EXPECT_EQ(driver.openModalWindow(), "");
}

TEST_F(BrowserDriverTest, RecordsMessageBoxesInOrderAndClosesThem)
{
    EXPECT_EQ(driver.click("Form1", "Warn"), "");
    EXPECT_EQ(driver.takeMessages(), QStringList({"Erste", "Zweite"}));
    EXPECT_EQ(driver.takeMessages(), QStringList());
    EXPECT_EQ(driver.click("Form1", "Check1"), "") << "no box left in front of the page";
}

TEST_F(BrowserDriverTest, TypesOverTheWholeText)
{
    const QString text = QStringLiteral("Spaß 𝄞 \"x\"");
    EXPECT_EQ(driver.type("Form1", "Name", text), "");
    EXPECT_EQ(read("Name", "text"), text);
    EXPECT_EQ(read("Label1", "text"), text) << "the page heard it";
    EXPECT_EQ(driver.type("Form1", "Name", ""), "");
    EXPECT_EQ(read("Name", "text"), "");
    EXPECT_EQ(driver.type("Form1", "Shown", "x"), "Form1.Shown cannot be typed into");
    EXPECT_EQ(driver.type("Form1", "Check1", "x"), "Form1.Check1 cannot be typed into");
}

TEST_F(BrowserDriverTest, PicksAnEntryTellingThePageOnce)
{
    EXPECT_EQ(driver.pick("Form1", "Combo", "03"), "");
    EXPECT_EQ(read("Combo", "text"), "03");
    EXPECT_EQ(read("Changes", "text"), "1");
    EXPECT_EQ(driver.pick("Form1", "Combo", "04"), "Form1.Combo has no entry \"04\"");
    EXPECT_EQ(driver.pick("Form1", "Name", "03"), "Form1.Name is no list");
}

TEST_F(BrowserDriverTest, EndsWhenThePageSaysSo)
{
    EXPECT_FALSE(driver.hasEnded());
    EXPECT_EQ(driver.close("Form1"), "");
    EXPECT_TRUE(driver.hasEnded());
    EXPECT_EQ(driver.click("Form1", "Check1"), "the program has ended");
    EXPECT_EQ(driver.close("Form1"), "the program has ended");
}

TEST_F(BrowserDriverTest, SavesTheDownloadUnderTheNameGiven)
{
    const QString path = out.filePath("sub/Waffe 𝄞.txt");
    QDir().mkpath(out.filePath("sub"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("alt und viel länger als die neue Datei");
    old.close();
    EXPECT_EQ(driver.save(path), "");
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("Name:      A\r\n")) << "replaced whole";
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList()) << "nothing else lands there";

    EXPECT_EQ(driver.save(std::nullopt), "") << "cancelled";
    EXPECT_EQ(driver.save(out.filePath("sub")), "the save dialog refuses it: it is a folder");
    EXPECT_EQ(driver.save(QString()), "the save dialog refuses it: no file name given");
    EXPECT_EQ(QDir(out.filePath("sub")).entryList(QDir::Files), QStringList({"Waffe 𝄞.txt"}));
}

TEST_F(BrowserDriverTest, UploadsTheFileNamed)
{
    const QString path = out.filePath("Blatt ä.txt");
    QFile sheet(path);
    ASSERT_TRUE(sheet.open(QIODevice::WriteOnly));
    sheet.write("Inhalt");
    sheet.close();
    EXPECT_EQ(driver.open(std::nullopt), "");
    EXPECT_EQ(read("Label1", "text"), "Anfang") << "cancelled: nothing uploaded";
    EXPECT_EQ(driver.open(out.filePath("fehlt.txt")), "the open dialog refuses it: there is no such file");
    EXPECT_EQ(driver.open(path), "");
    EXPECT_EQ(read("Label1", "text"), "Blatt ä.txt: Inhalt") << "the page read it before the driver went on";
}

// The layout check finds each kind of fault on a phone-wide page, and only there.
TEST_F(BrowserDriverTest, LayoutCheckFindsWhatAReaderCannotRead)
{
    QFile file(QStringLiteral(KORVALDE_TEST_DIR "/layout/layoutfaults.js"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString script = QString::fromUtf8(file.readAll());
    BrowserDriver phone;
    const QUrl page = QUrl::fromLocalFile(QStringLiteral(KORVALDE_TEST_DIR "/layout-faults.html"));
    ASSERT_EQ(phone.start(environment->devTools(), page, 390), "");
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
