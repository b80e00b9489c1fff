#include "dialoganswers.h"

#include <QApplication>
#include <QDialogButtonBox>
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
    return dialog.selectedFiles().constFirst();
}

} // namespace korvalde::gui
