#pragma once

#include "model/window.h"
#include "sheet/mounts.h"

#include <QString>

namespace korvalde::page5 {

// The flags' click operations on page 5: keep the six dialogs' boxes and notice in line
// with which mounts are taken, and gray the ticked box that now holds a mount.
void attachMountFlags(Window &page5);

// The click operations of a dialog's two boxes: a tick reserves the mount on page 5's
// sheet, an untick gives it back.
void attachMountBoxes(Window &dialog);

// Gives back the mount the accessory's dialog holds, once the accessory is unchecked.
void releaseMountOf(Window &page5, const QString &accessory);

} // namespace korvalde::page5
