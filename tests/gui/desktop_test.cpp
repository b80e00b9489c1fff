// Behaviour a desktop user takes for granted: the frame list is a radio group, a
// maximized window stays maximized while the wizard walks on, the save dialog offers a
// name in the folder saved to last, a dialog opens without waiting to be built, and a
// message shows a file's name as it is, never as markup.

#include "programfixture.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>

namespace korvalde::test {

namespace {

class DesktopConventions : public ProgramFixture {};

TEST_F(DesktopConventions, StaysMaximizedWhenTheNextPageComesToTheFront)
{
    frontend.mainWindow().showMaximized();
    settle();
    ASSERT_TRUE(frontend.mainWindow().isMaximized());
    chooseFrame(9);
    for (int step = 0; step < 5; ++step) {
        goForward();
        EXPECT_TRUE(frontend.mainWindow().isMaximized()) << qPrintable(frontPage());
    }
    click("Form5", "Zurück");
    EXPECT_TRUE(frontend.mainWindow().isMaximized()) << qPrintable(frontPage());
}

TEST_F(DesktopConventions, ArrowKeysMoveThroughTheFramesAndChooseThem)
{
    chooseFrame(14);
    QWidget *last = frontend.widget("Form1", "Option14");
    last->setFocus(Qt::TabFocusReason);
    QTest::keyClick(last, Qt::Key_Down);
    settle();
    EXPECT_EQ(app->find("Form1")->find("typ")->text(), "Holdout Pistole") << "round from the last to the first";
    EXPECT_EQ(QApplication::focusWidget(), frontend.widget("Form1", "Option1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    settle();
    EXPECT_TRUE(app->find("Form1")->find("Option2")->isChecked());
    EXPECT_FALSE(app->find("Form1")->find("Option1")->isChecked());
}

TEST_F(DesktopConventions, SaveDialogOffersTheNameInTheFolderSavedToLast)
{
    QTemporaryDir folder;
    QStringList offered;
    QStringList buttons;
    QStringList filters;
    dialogs.onFileDialog([&](QFileDialog &dialog) {
        offered << dialog.selectedFiles().value(0);
        buttons << dialog.labelText(QFileDialog::Accept) << dialog.labelText(QFileDialog::Reject);
        filters << dialog.nameFilters();
    });
    dialogs.answerSave(folder.filePath("erste.txt"));
    chooseFrame(9);
    for (int step = 0; step < 5; ++step)
        goForward();
    click("Form5", "cmdSave");
    click("Form5", "cmdSave");
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(QFileInfo(offered[0]).fileName(), "Sturmgewehr #1.txt");
    EXPECT_EQ(offered[1], folder.filePath("erste.txt"));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("erste.txt")));
    EXPECT_EQ(filters, QStringList({"Textdateien (*.txt)", "Textdateien (*.txt)"}));
    // Qt's own words in the dialog are German too.
    EXPECT_EQ(buttons.mid(0, 2), QStringList({"S&peichern", "Abbrechen"}));
}

// A file dialog the user has answered is never shown again: the next weapon's save
// dialog offers that weapon's own name, in the folder saved to last, and the start page
// opens sheets in an open dialog of its own.
TEST_F(DesktopConventions, EachFileDialogOffersWhatTheUserIsDoingNow)
{
    QTemporaryDir folder;
    QStringList offered;
    QList<QFileDialog::AcceptMode> modes;
    QStringList filters;
    dialogs.onFileDialog([&](QFileDialog &dialog) {
        modes << dialog.acceptMode();
        if (dialog.acceptMode() == QFileDialog::AcceptOpen) {
            filters = dialog.nameFilters();
            return;
        }
        offered << dialog.selectedFiles().value(0);
        dialogs.answerSave(folder.filePath(QStringLiteral("eins-%1.txt").arg(offered.size())));
    });
    click("Form1", "mnuOeffnen");
    chooseFrame(9);
    for (int step = 0; step < 5; ++step)
        goForward();
    click("Form5", "cmdSave");
    click("Form5", "Command1");
    chooseFrame(2);
    for (int step = 0; step < 5; ++step)
        goForward();
    click("Form5", "cmdSave");

    EXPECT_EQ(filters, QStringList({"Waffenblätter (*.txt)", "Alle Dateien (*)"}));
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(QFileInfo(offered[0]).fileName(), "Sturmgewehr #1.txt");
    EXPECT_EQ(offered[1], folder.filePath("Leichte Pistole #1.txt"));
    EXPECT_EQ(modes, QList({QFileDialog::AcceptOpen, QFileDialog::AcceptSave, QFileDialog::AcceptSave}));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("eins-2.txt")));
}

// What a screen reader reads from a message box's texts, as the box shows them.
QStringList readAloud(const QMessageBox &box)
{
    QStringList texts;
    for (QLabel *label : box.findChildren<QLabel *>())
        texts << QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
    return texts;
}

// A file named like a web page keeps its name in a message, in the text and in the
// details below it.
TEST_F(DesktopConventions, MessagesShowFileNamesAsTheyAreNamed)
{
    const QString markup = QStringLiteral("<h1>GROSS<hr><font color=red size=7>ROT");
    QStringList shown;
    dialogs.onMessage([&shown](QMessageBox &box) { shown << readAloud(box); });
    QTemporaryDir folder;
    frontend.openSheet(folder.filePath(markup + ".txt"));
    settle();
    EXPECT_TRUE(shown.contains(QStringLiteral("Die Datei \"%1.txt\" lässt sich nicht lesen.").arg(markup)))
        << qPrintable(shown.join('\n'));

    // The folder printed to goes between the user's choice and the printing.
    ASSERT_TRUE(QDir(folder.path()).mkdir("fehlt"));
    const QString card = folder.filePath("fehlt/" + markup + ".pdf");
    dialogs.answerPrint(card);
    dialogs.onPrintDialog([&folder](QPrintDialog &dialog) {
        QObject::connect(
            &dialog, &QDialog::accepted, &dialog, [&folder] { QDir(folder.filePath("fehlt")).removeRecursively(); },
            Qt::SingleShotConnection);
    });
    chooseFrame(9);
    for (int step = 0; step < 5; ++step)
        goForward();
    shown.clear();
    click("Form5", "cmdDrucken");
    EXPECT_TRUE(shown.contains(card)) << qPrintable(shown.join('\n'));
}

} // namespace

} // namespace korvalde::test
