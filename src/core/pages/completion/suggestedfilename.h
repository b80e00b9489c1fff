#pragma once

#include <QString>

namespace korvalde::completion {

// The file name offered for a weapon's sheet or card: its name with `suffix` (".txt"),
// every character that a file system refuses in a name replaced by "_".
QString suggestedFileName(const QString &weaponName, const QString &suffix);

} // namespace korvalde::completion
