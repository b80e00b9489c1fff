#include "app/windowfactory.h"
#include "sessionreplies.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvalde {
using test::onlyChange;
using test::PageSide;

namespace {

struct Step {
    enum Kind { Click, Pick, Type } kind;
    QString window;
    QString control;
    QString value = {};
};

// A design over every page, with a mount dialog, a step list and a name the sheet writes
// in Windows-1252.
const std::vector<Step> kDesign = {
    {Step::Click, "Form1", "Option9"},
    {Step::Click, "Form1", "Command1"},
    {Step::Click, "Form2", "power"},
    {Step::Click, "Form2", "powerstufe1"},
    {Step::Pick, "Form2", "gewichtstufe8", "02"},
    {Step::Click, "Form2", "Weiter1"},
    {Step::Click, "Form3", "gravur"},
    {Step::Click, "Form3", "Command2"},
    {Step::Click, "Form4", "zweibein"},
    {Step::Click, "Form4", "Command2"},
    {Step::Click, "Form12", "laser"},
    {Step::Click, "Form10", "aufmontiert"},
    {Step::Click, "Form10", "ok"},
    {Step::Click, "Form12", "Command2"},
    {Step::Type, "Form5", "waffenname", "Donnerbüchse: „Ærger“"},
};

// The desktop's platform, its save dialog answered with a file in a folder of its own.
class DesktopPlatform : public Platform {
public:
    void showMessage(const MessageBox &message) override { messages << message.text; }
    std::optional<QString> askSaveFileName(const SaveRequest &request) override
    {
        suggested = request.suggestedName;
        return folder.filePath(QStringLiteral("sheet.txt"));
    }
    void endProgram() override {}

    QTemporaryDir folder;
    QString suggested;
    QStringList messages;
};

QByteArray savedOnTheDesktop(const std::vector<Step> &design, QString &suggested)
{
    DesktopPlatform platform;
    std::unique_ptr<Application> app = startKorvalde(platform);
    for (const Step &step : design) {
        const QString why = step.kind == Step::Click  ? app->userClick(step.window, step.control)
                            : step.kind == Step::Pick ? app->userPick(step.window, step.control, step.value)
                                                      : app->userType(step.window, step.control, step.value);
        EXPECT_TRUE(why.isEmpty()) << why.toStdString();
    }
    EXPECT_TRUE(app->userClick("Form5", "cmdSave").isEmpty());
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('\n').toStdString();
    suggested = platform.suggested;
    QFile file(platform.folder.filePath(QStringLiteral("sheet.txt")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(not saved)");
}

void walk(PageSide &page, const std::vector<Step> &design)
{
    page.welcome();
    for (const Step &step : design) {
        const QJsonObject answer = step.kind == Step::Click  ? page.click(step.window, step.control)
                                   : step.kind == Step::Pick ? page.pick(step.window, step.control, step.value)
                                                             : page.type(step.window, step.control, step.value);
        ASSERT_EQ(answer["type"], "update") << answer["message"].toString().toStdString();
    }
}

QByteArray downloaded(const QJsonObject &answer, QString &name)
{
    const auto download = onlyChange(answer, "download");
    if (!download)
        return "(no download)";
    name = (*download)["name"].toString();
    return QByteArray::fromBase64((*download)["bytes"].toString().toLatin1());
}

// Saving in the browser downloads byte for byte the file the desktop writes after the
// same clicks, under the name its save dialog offers, and confirms it in the status line.
TEST(WebSessionFiles, SavingDownloadsWhatTheDesktopWrites)
{
    QString desktopName;
    const QByteArray desktop = savedOnTheDesktop(kDesign, desktopName);
    ASSERT_TRUE(desktop.startsWith("Name:")) << desktop.left(40).toStdString();
    ASSERT_TRUE(desktop.contains("Donnerb\xFC") && desktop.contains("\x84\xC6rger\x93")) << "Windows-1252";

    PageSide page;
    walk(page, kDesign);
    const QJsonObject answer = page.click("Form5", "cmdSave");
    QString name;
    EXPECT_EQ(downloaded(answer, name), desktop);
    EXPECT_EQ(name, desktopName);
    EXPECT_EQ(name, QStringLiteral("Donnerbüchse_ „Ærger“.txt"));
    EXPECT_EQ(onlyChange(answer, "status").value_or(QJsonObject())["text"], "Gespeichert: " + name);

    // Nothing was chosen in a dialog, so the next download follows the weapon's new name.
    page.type("Form5", "waffenname", "Zweite");
    downloaded(page.click("Form5", "cmdSave"), name);
    EXPECT_EQ(name, "Zweite.txt");
}

// An uploaded sheet is rebuilt page by page as the desktop opens a file, all in memory;
// what cannot be rebuilt or is too large is refused with the desktop's messages.
TEST(WebSessionFiles, AnUploadReopensTheSheet)
{
    PageSide designer;
    walk(designer, kDesign);
    QString name;
    const QByteArray sheet = downloaded(designer.click("Form5", "cmdSave"), name);

    PageSide page;
    page.welcome();
    const QJsonObject opened = page.upload(name, sheet);
    EXPECT_EQ(opened["front"], "Form5");
    EXPECT_FALSE(onlyChange(opened, "message")) << "nothing to complain about";
    const auto completion = onlyChange(opened, "create", "Form5");
    ASSERT_TRUE(completion);
    QString shownName;
    for (const QJsonValue &control : (*completion)["controls"].toArray()) {
        if (control["name"] == "waffenname")
            shownName = control["text"].toString();
    }
    EXPECT_EQ(shownName, QStringLiteral("Donnerbüchse: „Ærger“"));
    QString again;
    EXPECT_EQ(downloaded(page.click("Form5", "cmdSave"), again), sheet);

    PageSide refusing;
    refusing.welcome();
    QByteArray damaged = sheet;
    damaged.replace("Sturmgewehr", "Sturmkanone");
    const auto mismatch = onlyChange(refusing.upload("folder/damaged.txt", damaged), "message");
    ASSERT_TRUE(mismatch);
    EXPECT_TRUE((*mismatch)["text"].toString().startsWith("Die Datei \"damaged.txt\" lässt sich nicht öffnen: Zeile"))
        << (*mismatch)["text"].toString().toStdString();
    // The page sends a larger file's first bytes, one more than a sheet may have.
    const auto tooLarge = onlyChange(refusing.upload("big.txt", QByteArray(64 * 1024 + 1, ' ')), "message");
    ASSERT_TRUE(tooLarge);
    EXPECT_EQ((*tooLarge)["text"], "Die Datei \"big.txt\" lässt sich nicht lesen.");
    EXPECT_EQ(
        onlyChange(refusing.upload("full.txt", QByteArray(64 * 1024, ' ')), "message").value_or(QJsonObject())["text"],
        "Die Datei \"full.txt\" lässt sich nicht öffnen: Zeile 1 (Name) passt nicht.")
        << "a sheet of the largest size is read";
    EXPECT_EQ(refusing.upload("bigger.txt", QByteArray(64 * 1024 + 2, ' '))["type"], "error");
    EXPECT_EQ(refusing.click("Form1", "Option1")["front"], "Form1") << "a refused sheet changes nothing";

    // Away from the start page nothing can be opened.
    EXPECT_EQ(designer.upload(name, sheet)["type"], "error");
}

// Printing hands the page the card the desktop prints.
TEST(WebSessionFiles, PrintingSendsTheCard)
{
    PageSide page;
    walk(page, kDesign);
    const auto print = onlyChange(page.click("Form5", "cmdDrucken"), "print");
    ASSERT_TRUE(print);
    const QJsonObject card = (*print)["card"].toObject();
    EXPECT_EQ(card["name"], QStringLiteral("Donnerbüchse: „Ærger“"));
    EXPECT_EQ(card["frame"].toObject()["value"], "Sturmgewehr");
    EXPECT_TRUE(card["price"].toObject()["value"].toString().endsWith("Kordo"));
    EXPECT_TRUE(card["modifications"].toArray().contains("Zweibein"));
    EXPECT_FALSE(card["statistics"].toArray().isEmpty());
}

} // namespace
} // namespace korvalde
