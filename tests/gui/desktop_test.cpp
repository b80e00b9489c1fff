// Behaviour a desktop user takes for granted: the frame list is a radio group, a
// maximized window stays maximized while the wizard walks on, and the save dialog offers a
// name in the folder saved to last.

#include "dialoganswers.h"
#include "programfixture.h"

#include <QFileInfo>
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

} // namespace

} // namespace korvalde::test
