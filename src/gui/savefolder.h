#pragma once

#include <QString>

namespace korvalde::gui {

// The folder the save dialog opens in: the one saved to last, in this run or an earlier
// one; the first time the user's documents folder, else the home folder.
QString saveFolder();

// Remembers the folder of a file just saved to, for this run and the next ones.
void rememberSaveFolder(const QString &savedFile);

} // namespace korvalde::gui
