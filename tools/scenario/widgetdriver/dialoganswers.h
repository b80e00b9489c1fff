#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QObject>
#include <QPrintDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace korvalde::gui {

// Answers the modal dialogs the program opens, through the real dialogs and as a user at
// the keyboard would, while it lives; for test drivers, which cannot sit in front of the
// screen. Each dialog is answered as soon as its own event loop runs: a message box with
// OK, the save and open dialogs with the file named (or cancelled), the print dialog with
// a file to print to (or cancelled). A dialog's own question (replace the file?) is
// answered Yes. Any other modal window is noted and closed, as nobody could answer it.
class DialogAnswers : public QObject {
public:
    DialogAnswers();
    ~DialogAnswers() override;
    DialogAnswers(const DialogAnswers &) = delete;
    DialogAnswers &operator=(const DialogAnswers &) = delete;

    // The answers the next dialogs get; nothing cancels. Until set, every dialog is
    // cancelled. A name the dialog does not take (it stays open on it: an empty name, a
    // folder) cancels it too, and so does a dialog that would choose another file.
    void answerSave(const std::optional<QString> &file);
    void answerOpen(const std::optional<QString> &file);
    // Prints to this file, typed into the dialog's file field.
    void answerPrint(const std::optional<QString> &file) { printAnswer_ = file; }

    // Called as a dialog opens, before it is answered: a test looks at what the user sees
    // then, or sets the answer.
    void onMessage(std::function<void(QMessageBox &)> look) { lookAtMessage_ = std::move(look); }
    void onFileDialog(std::function<void(QFileDialog &)> look) { lookAtFileDialog_ = std::move(look); }
    void onPrintDialog(std::function<void(QPrintDialog &)> look) { lookAtPrintDialog_ = std::move(look); }

    // The texts of the program's message boxes shown so far, oldest first.
    QStringList &messages() { return messages_; }
    // Did a file dialog refuse its answer, and was cancelled, since the answer was set?
    bool refusedLastAnswer() const { return refused_; }
    // The title of the first modal window nobody answers, since the last clear.
    const QString &unanswered() const { return unanswered_; }
    void clearUnanswered() { unanswered_.clear(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void answerFileDialog(QFileDialog &dialog, const std::optional<QString> &file);
    void answerPrintDialog(QPrintDialog &dialog, const std::optional<QString> &file);

    std::optional<QString> saveAnswer_;
    std::optional<QString> openAnswer_;
    std::optional<QString> printAnswer_;
    std::function<void(QMessageBox &)> lookAtMessage_;
    std::function<void(QFileDialog &)> lookAtFileDialog_;
    std::function<void(QPrintDialog &)> lookAtPrintDialog_;
    QStringList messages_;
    bool refused_ = false;
    QString unanswered_;
};

} // namespace korvalde::gui
