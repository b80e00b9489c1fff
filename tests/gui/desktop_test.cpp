// Behaviour a desktop user takes for granted: the frame list is a radio group, a
// maximized window stays maximized while the wizard walks on, the save dialog offers a
// name in the folder saved to last, a dialog opens without waiting to be built, and a
// message shows a file's name as it is, never as markup.

#include "dialoganswers.h"
#include "programfixture.h"

#include <QAccessible>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
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
    frontend.setSaveRunner([&](QFileDialog &dialog) {
        offered << dialog.selectedFiles().value(0);
        return gui::runAndAnswer(dialog, folder.filePath("erste.txt"));
    });
    chooseFrame(9);
    for (int step = 0; step < 5; ++step)
        goForward();
    click("Form5", "cmdSave");
    click("Form5", "cmdSave");
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(QFileInfo(offered[0]).fileName(), "Sturmgewehr #1.txt");
    EXPECT_EQ(offered[1], folder.filePath("erste.txt"));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("erste.txt")));
}

// How many dialogs of the kind the window holds once idle-time work had its chance, as
// while the user looks at the page: waits until there are `expected`, for a while.
template <typename T> qsizetype dialogsOnceIdle(const QWidget &window, qsizetype expected)
{
    (void)QTest::qWaitFor([&] { return window.findChildren<T *>().size() == expected; }, 5000);
    return window.findChildren<T *>().size();
}

TEST_F(DesktopConventions, DialogsAreBuiltAheadAndEachFileDialogServesOneOpening)
{
    const QWidget &window = frontend.mainWindow();
    ASSERT_EQ(dialogsOnceIdle<QFileDialog>(window, 1), 1) << "the start page's open dialog";
    EXPECT_EQ(window.findChild<QFileDialog *>()->acceptMode(), QFileDialog::AcceptOpen);

    chooseFrame(9);
    for (int step = 0; step < 5; ++step)
        goForward();
    ASSERT_EQ(dialogsOnceIdle<QPrintDialog>(window, 1), 1);
    ASSERT_EQ(dialogsOnceIdle<QFileDialog>(window, 2), 2) << "the open dialog and the completion page's save dialog";
    const QList<QFileDialog *> files = window.findChildren<QFileDialog *>();
    const auto save = std::find_if(files.begin(), files.end(), [](const QFileDialog *each) {
        return each->acceptMode() == QFileDialog::AcceptSave;
    });
    ASSERT_NE(save, files.end());
    QFileDialog *const builtAhead = *save;
    const QPointer<QFileDialog> firstSave = builtAhead;

    QTemporaryDir folder;
    QString answer;
    QList<QFileDialog *> opened;
    frontend.setSaveRunner([&](QFileDialog &dialog) {
        opened << &dialog;
        return gui::runAndAnswer(dialog, folder.filePath(answer));
    });
    for (const QString name : {"eins.txt", "zwei.txt"}) {
        answer = name;
        click("Form5", "cmdSave");
        EXPECT_TRUE(QFileInfo::exists(folder.filePath(name))) << qPrintable(name);
        dialogsOnceIdle<QFileDialog>(window, 2);
    }
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], builtAhead) << "built before the click";
    EXPECT_TRUE(firstSave.isNull()) << "a used dialog goes";
    EXPECT_EQ(dialogsOnceIdle<QFileDialog>(window, 2), 2) << "its successor waits";

    click("Form5", "Command1");
    ASSERT_EQ(app->find("Form5"), nullptr);
    EXPECT_EQ(dialogsOnceIdle<QFileDialog>(window, 1), 1) << "the save dialog goes with its page";
    EXPECT_EQ(dialogsOnceIdle<QPrintDialog>(window, 0), 0);
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
    frontend.setMessageRunner([&shown](QMessageBox &box) { shown << readAloud(box); });
    QTemporaryDir folder;
    frontend.openSheet(folder.filePath(markup + ".txt"));
    settle();
    EXPECT_TRUE(shown.contains(QStringLiteral("Die Datei \"%1.txt\" lässt sich nicht lesen.").arg(markup)))
        << qPrintable(shown.join('\n'));

    const QString card = folder.filePath("fehlt/" + markup + ".pdf");
    frontend.setPrintRunner([&card](QPrintDialog &dialog) {
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(card);
        return true;
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
