#include "dialoganswers.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace korvalde::gui {

namespace {

// Presses the modal box in front: Yes where it asks, OK where it tells.
void confirmModalBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (box == nullptr)
        return;
    QAbstractButton *button = box->button(QMessageBox::Yes);
    if (button == nullptr)
        button = box->button(QMessageBox::Ok);
    if (button != nullptr)
        button->click();
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

void runAndConfirm(QMessageBox &box)
{
    QTimer::singleShot(0, &box, confirmModalBox);
    box.exec();
}

bool runAndCancel(QDialog &dialog)
{
    QTimer::singleShot(0, &dialog, &QDialog::reject);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> runAndAnswer(QFileDialog &dialog, const std::optional<QString> &fileName, bool *refused)
{
    // Only Qt's own dialog has widgets to answer through; a desktop's dialog has none.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (refused != nullptr)
        *refused = false;
    QTimer::singleShot(0, &dialog, [&dialog, fileName, refused] {
        if (!fileName) {
            dialog.reject();
            return;
        }
        // An empty answer is a name field the user emptied: it must never save under the
        // name the dialog suggested.
        auto *nameField = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        clearPickedFiles(dialog);
        if (fileName->isEmpty() && nameField != nullptr)
            nameField->clear();
        else
            dialog.selectFile(*fileName);
        // The overwrite question opens modally inside the accept; answer it once it is up.
        QTimer::singleShot(0, &dialog, confirmModalBox);
        pressAcceptButton(dialog);
        // Still open: the dialog did not take the name (its button stayed disabled, or it
        // opened the folder named). A user would give up here.
        if (dialog.isVisible()) {
            if (refused != nullptr)
                *refused = true;
            dialog.reject();
        }
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    // Whatever filled the dialog in between (its folder listing, its completion), nothing
    // but the file named is ever saved or opened.
    const QString chosen = dialog.selectedFiles().constFirst();
    if (!fileName || !isAnsweredFile(dialog, chosen, *fileName)) {
        if (refused != nullptr)
            *refused = true;
        return std::nullopt;
    }
    return chosen;
}

} // namespace korvalde::gui
