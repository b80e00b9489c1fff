#include "dialoganswers.h"

#include "widgetinput.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace korvalde::gui {

namespace {

// Presses Yes where the box asks, OK where it tells.
void confirm(QMessageBox &box)
{
    QAbstractButton *button = box.button(QMessageBox::Yes);
    if (button == nullptr)
        button = box.button(QMessageBox::Ok);
    if (button != nullptr)
        button->click();
    else
        box.reject();
}

// A box a file or print dialog opens about its own answer (replace the file? no such
// file), not a message of the program.
bool isQuestionOfADialog(const QMessageBox &box)
{
    const QWidget *owner = box.parentWidget();
    return qobject_cast<const QFileDialog *>(owner) != nullptr || qobject_cast<const QPrintDialog *>(owner) != nullptr;
}

void pressAcceptButton(QDialog &dialog)
{
    const auto *buttons = dialog.findChild<QDialogButtonBox *>();
    for (QAbstractButton *button : buttons->buttons()) {
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
            button->click();
            return;
        }
    }
}

// Forgets the files picked in the dialog's folder view. The dialog takes a picked file
// before the name field, so a file picked there (the suggested one, once the folder
// listing shows it) would be chosen over an emptied field.
void clearPickedFiles(QFileDialog &dialog)
{
    for (const char *view : {"listView", "treeView"}) {
        if (auto *files = dialog.findChild<QAbstractItemView *>(QLatin1String(view)); files && files->selectionModel())
            files->selectionModel()->clear();
    }
}

// Is `chosen` the file the dialog was answered with? A relative answer is a name in the
// dialog's folder; the folder may be spelt differently (a link, a trailing slash).
bool isAnsweredFile(const QFileDialog &dialog, const QString &chosen, const QString &answer)
{
    if (answer.isEmpty())
        return false;
    const QFileInfo wanted(QDir::isRelativePath(answer) ? dialog.directory().filePath(answer) : answer);
    const QFileInfo found(chosen);
    if (QDir::cleanPath(found.absoluteFilePath()) == QDir::cleanPath(wanted.absoluteFilePath()))
        return true;
    const QString folder = found.absoluteDir().canonicalPath();
    return found.fileName() == wanted.fileName() && !folder.isEmpty() && folder == wanted.absoluteDir().canonicalPath();
}

} // namespace

DialogAnswers::DialogAnswers()
{
    // Only Qt's own dialogs have widgets to answer through; a desktop's dialogs have none.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QCoreApplication::instance()->installEventFilter(this);
}

DialogAnswers::~DialogAnswers()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void DialogAnswers::answerSave(const std::optional<QString> &file)
{
    saveAnswer_ = file;
    refused_ = false;
}

void DialogAnswers::answerOpen(const std::optional<QString> &file)
{
    openAnswer_ = file;
    refused_ = false;
}

// A modal dialog is shown just before its event loop runs; the answer waits for that loop.
bool DialogAnswers::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto *window = static_cast<QWidget *>(watched);
    if (!window->isWindow() || !window->isModal())
        return false;
    if (auto *box = qobject_cast<QMessageBox *>(window)) {
        if (!isQuestionOfADialog(*box)) {
            messages_ << box->text();
            if (lookAtMessage_)
                lookAtMessage_(*box);
        }
        QTimer::singleShot(0, box, [box] { confirm(*box); });
    } else if (auto *files = qobject_cast<QFileDialog *>(window)) {
        if (lookAtFileDialog_)
            lookAtFileDialog_(*files);
        const std::optional<QString> answer =
            files->acceptMode() == QFileDialog::AcceptSave ? saveAnswer_ : openAnswer_;
        QTimer::singleShot(0, files, [this, files, answer] { answerFileDialog(*files, answer); });
    } else if (auto *print = qobject_cast<QPrintDialog *>(window)) {
        if (lookAtPrintDialog_)
            lookAtPrintDialog_(*print);
        QTimer::singleShot(0, print, [this, print] { answerPrintDialog(*print, printAnswer_); });
    } else {
        if (unanswered_.isEmpty())
            unanswered_ = window->windowTitle().isEmpty() ? QStringLiteral("(untitled)") : window->windowTitle();
        QTimer::singleShot(0, window, [window] { window->close(); });
    }
    return false;
}

void DialogAnswers::answerFileDialog(QFileDialog &dialog, const std::optional<QString> &file)
{
    if (!file) {
        dialog.reject();
        return;
    }
    // An empty answer is a name field the user emptied: it must never save under the name
    // the dialog suggested.
    clearPickedFiles(dialog);
    auto *nameField = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (file->isEmpty() && nameField != nullptr)
        nameField->clear();
    else
        dialog.selectFile(*file);
    // Whatever filled the dialog in between (its folder listing, its completion), nothing
    // but the file named is ever saved or opened.
    if (isAnsweredFile(dialog, dialog.selectedFiles().value(0), *file))
        pressAcceptButton(dialog);
    // Still open: the dialog did not take the name (its button stayed disabled, or it
    // opened the folder named). A user would give up here.
    if (dialog.isVisible()) {
        refused_ = true;
        dialog.reject();
    }
}

void DialogAnswers::answerPrintDialog(QPrintDialog &dialog, const std::optional<QString> &file)
{
    auto *fileField = dialog.findChild<QLineEdit *>(QStringLiteral("filename"));
    if (file && fileField != nullptr && !fileField->isEnabled()) {
        // A printer is chosen: printing to a file is the list's last entry.
        if (auto *printers = dialog.findChild<QComboBox *>(QStringLiteral("printers")))
            printers->setCurrentIndex(printers->count() - 1);
    }
    if (file && fileField != nullptr && fileField->isEnabled()) {
        typeText(*fileField, *file);
        pressAcceptButton(dialog);
    }
    if (dialog.isVisible())
        dialog.reject();
}

} // namespace korvalde::gui
