// The real save dialog and message boxes, answered through their own buttons while they
// run modally, as the scenario tool answers them.

#include "dialoganswers.h"
#include "guifixture.h"

#include <QFile>
#include <QTemporaryDir>

namespace korvalde::test {

namespace {

class DialogAnswersTest : public GuiFixture {
protected:
    DialogAnswersTest()
    {
        frontend.setSaveRunner([this](QFileDialog &dialog) {
            filter = dialog.nameFilters().join(';');
            asksBeforeOverwriting = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
            isSaveDialog = dialog.acceptMode() == QFileDialog::AcceptSave;
            return gui::runAndAnswer(dialog, answer);
        });
    }

    // Asks the platform the way the completion page does.
    std::optional<QString> askFromThePage()
    {
        std::optional<QString> chosen;
        addWindow("Page", WindowKind::Page, "Seite", [](Window &) {});
        start("Page");
        app->runUserAction([&] { chosen = app->platform().askSaveFileName({"Textdateien (*.txt)"}); });
        return chosen;
    }

    QTemporaryDir folder;
    std::optional<QString> answer;
    QString filter;
    bool asksBeforeOverwriting = false;
    bool isSaveDialog = false;
};

TEST_F(DialogAnswersTest, SaveDialogReportsTheTypedNameWithoutAddingASuffix)
{
    answer = folder.filePath("waffe");
    EXPECT_EQ(askFromThePage(), folder.filePath("waffe"));
    EXPECT_EQ(filter, "Textdateien (*.txt)");
    EXPECT_TRUE(isSaveDialog);
}

TEST_F(DialogAnswersTest, SaveDialogOverwritesAfterAskingAndCancelReportsNothing)
{
    QFile existing(folder.filePath("alt.txt"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    answer = existing.fileName();
    EXPECT_EQ(askFromThePage(), existing.fileName());
    EXPECT_TRUE(asksBeforeOverwriting);
    answer.reset();
    app->runUserAction([&] { EXPECT_EQ(app->platform().askSaveFileName({"Textdateien (*.txt)"}), std::nullopt); });
}

TEST_F(DialogAnswersTest, MessageBoxRunsModallyAndClosesWithOk)
{
    QMessageBox box(QMessageBox::Information, "Veltrano", "Info-Text", QMessageBox::Ok);
    gui::runAndConfirm(box);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QMessageBox::Ok);
}

} // namespace

} // namespace korvalde::test
