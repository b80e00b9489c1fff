#pragma once

#include "model/window.h"

namespace korvalde::completion {

inline const QString kSaveFailedMessage = QStringLiteral("Die Datei konnte nicht gespeichert werden.");

// "&Speichern": hands the weapon sheet in Windows-1252 to the platform, which asks for a
// file name and writes it there (or downloads it). Cancelling writes nothing; a failure
// is reported and leaves any existing file as it was. The platform is offered
// `lastChosen` (the page's last chosen file) or, while none was chosen, a name made from
// the weapon's; a file the user chose becomes the new `lastChosen`.
void saveWeaponSheet(Window &completionPage, QString &lastChosen);

} // namespace korvalde::completion
