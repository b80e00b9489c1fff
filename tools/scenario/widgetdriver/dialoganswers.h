#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QString>

#include <optional>

namespace korvalde::gui {

// Answers to the program's modal dialogs given through the real dialogs, as a user at the
// keyboard would give them; for test drivers, which cannot sit in front of the screen.

// Runs the box modally and closes it with its OK button as soon as it is open.
void runAndConfirm(QMessageBox &box);

// Runs the dialog modally and cancels it as soon as it is open; returns false (nothing
// accepted), as a print runner does.
bool runAndCancel(QDialog &dialog);

// Runs the save dialog modally and types `fileName` into it and confirms, answering Yes
// when the dialog asks before overwriting; without a name it cancels. A dialog that does
// not take the name (it stays open: an empty name, a folder, a name too long) is then
// cancelled, and `refused` set when given. Returns the file the dialog chose, and only
// when it is the file named; a dialog that chose another counts as refusing the name.
std::optional<QString> runAndAnswer(QFileDialog &dialog, const std::optional<QString> &fileName,
                                    bool *refused = nullptr);

} // namespace korvalde::gui
