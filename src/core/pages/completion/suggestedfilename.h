#pragma once

#include <QString>

namespace korvalde::completion {

// The file name the save dialog offers for a weapon: its name with ".txt", every character
// that a file system refuses in a name replaced by "_".
QString suggestedFileName(const QString &weaponName);

} // namespace korvalde::completion
