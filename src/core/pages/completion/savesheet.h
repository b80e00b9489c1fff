#pragma once

#include "model/window.h"

namespace korvalde::completion {

inline const QString kSaveFailedMessage = QStringLiteral("Die Datei konnte nicht gespeichert werden.");

// "&Speichern": asks for a file name and writes the weapon sheet there in Windows-1252.
// Cancelling writes nothing; a failure is reported and leaves any existing file as it was.
// The dialog offers `lastChosen` (the page's last chosen file) or, on the page's first
// save, a name made from the weapon's; a chosen file becomes the new `lastChosen`.
void saveWeaponSheet(Window &completionPage, QString &lastChosen);

} // namespace korvalde::completion
