#pragma once

#include "model/application.h"

#include <QString>

#include <vector>

namespace korvalde::page5 {

// A mount-choice dialog and the page-5 accessory it places on a mount.
struct MountDialog {
    QString window;
    QString title;
    QString accessory;
};

// The six dialogs in the order the bookkeeping walks them.
const std::vector<MountDialog> &mountDialogs();

// The dialog of a page-5 accessory.
const MountDialog &dialogOf(const QString &accessory);

// Opens the accessory's dialog in front of page 5; page 5 takes no input until the
// dialog is confirmed or cancelled. The dialog shows its boxes as the bookkeeping left them.
void openMountDialog(Window &page5, const QString &accessory);

// The notice a dialog shows instead of its boxes when neither mount is free.
inline const QString kNoMountFree =
    QStringLiteral("Keine Halterungen mehr frei !!!\r\n       (bitte Cancel drücken)\r\n");

} // namespace korvalde::page5
