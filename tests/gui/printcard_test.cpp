// The printed weapon card, printed to a PDF file through the real print path and read
// back with poppler's pdftotext and pdfinfo.

#include "pages/completion/weaponsheet.h"
#include "programfixture.h"
#include "savefolder.h"

#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>

namespace korvalde::test {

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished()) << qPrintable(program);
    EXPECT_EQ(process.exitCode(), 0) << qPrintable(program + ": " + process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintCardTest : public ProgramFixture {
protected:
    // Checks every box the page offers, unchecking again whatever the rules refuse, so
    // that the list of modifications grows long.
    void checkWhatFits(const QString &window)
    {
        const QString forward = windowRow(window).forwardButton;
        const Window *page = app->find(window);
        for (const auto &control : page->controls()) {
            if (control->kind() != ControlKind::CheckBox || !control->isVisible() || !control->isEnabled() ||
                control->isChecked() || !frontend.widget(window, control->name())->isVisible())
                continue;
            const qsizetype messagesBefore = messages.size();
            click(window, control->name());
            if (messages.size() > messagesBefore || !page->find(forward)->isEnabled()) {
                messages.resize(messagesBefore);
                if (control->isEnabled() && control->isVisible())
                    click(window, control->name());
            }
        }
    }
};

TEST_F(PrintCardTest, CardOnOnePageHoldsEveryValueOfTheSheetAndPrintingWritesNothingElse)
{
    chooseFrame(9);
    goForward();
    for (const QString &window : {windows::page2, windows::page3, windows::page4}) {
        checkWhatFits(window);
        ASSERT_TRUE(app->find(window)->find(windowRow(window).forwardButton)->isEnabled()) << qPrintable(window);
        goForward();
    }
    goForward();
    ASSERT_EQ(frontPage(), "Form5");
    const Window &completion = *app->find("Form5");
    const QStringList sheet = weaponSheetLines(completion);
    ASSERT_GE(completion["Text1"].text().count(','), 12) << "a long list";

    QTemporaryDir folder;
    const QString pdf = folder.filePath("karte.pdf");
    dialogs.answerPrint(pdf);
    click("Form5", "cmdDrucken");

    EXPECT_EQ(weaponSheetLines(completion), sheet);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"karte.pdf"});
    EXPECT_TRUE(run("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));
    // Compatibility form: the PDF keeps the font's ligatures ("ﬀ") as characters.
    const QString card = run("pdftotext", {pdf, "-"}).normalized(QString::NormalizationForm_KC).simplified();
    for (const QString &line : sheet) {
        const QString value = line.mid(line.indexOf(':') + 1);
        const QStringList parts = line.startsWith("Modifikationen")
                                      ? value.split(", ", Qt::SkipEmptyParts)
                                      : value.split(QRegularExpression("\\s+/\\s+|\\s+"), Qt::SkipEmptyParts);
        for (QString part : parts) {
            // The card sets the weight's unit apart from its number, as in print.
            part = part.simplified().replace(QRegularExpression("^([\\d,]+)kg$"), "\\1 kg");
            EXPECT_TRUE(card.contains(part)) << qPrintable(part) << " missing from\n" << qPrintable(card);
        }
    }
    EXPECT_TRUE(card.contains(QRegularExpression("\\d kg"))) << qPrintable(card);
    EXPECT_FALSE(card.contains(QRegularExpression("\\dkg"))) << qPrintable(card);
    EXPECT_EQ(frontend.mainWindow().statusBar()->currentMessage(), "Gedruckt: karte.pdf");
    EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join('\n'));
}

// Printing to a file, the dialog accepted as it comes, writes the card offered: named after
// the weapon as it is named now, in the folder saved to last.
TEST_F(PrintCardTest, PrintingToAFileWritesTheOfferedCardInTheFolderSavedTo)
{
    QTemporaryDir folder;
    gui::rememberSaveFolder(folder.filePath("blatt.txt"));
    // The dialog's file field is left as the program filled it.
    dialogs.onPrintDialog([this](QPrintDialog &dialog) {
        dialogs.answerPrint(dialog.findChild<QLineEdit *>(QStringLiteral("filename"))->text());
    });
    chooseFrame(9);
    for (int step = 0; step < 5; ++step)
        goForward();
    click("Form5", "cmdDrucken");
    auto *name = qobject_cast<QLineEdit *>(frontend.widget("Form5", "waffenname"));
    QApplication::clipboard()->setText(QStringLiteral("Zweite Karte"));
    name->selectAll();
    QTest::keySequence(name, QKeySequence::Paste);
    settle();
    click("Form5", "cmdDrucken");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), (QStringList{"Sturmgewehr #1.pdf", "Zweite Karte.pdf"}));
    EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join('\n'));
}

} // namespace

} // namespace korvalde::test
