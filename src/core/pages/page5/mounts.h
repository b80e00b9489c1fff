#pragma once

#include "model/window.h"

#include <QString>

namespace korvalde::page5 {

// One of the two mounts the dialogs hand out. Page 5 records a mount as taken in its
// hidden flag; a dialog's box for the mount is ticked while the user chooses it there and
// grayed once its accessory holds the mount.
struct Mount {
    QString flag;     // page 5's hidden "taken" flag
    QString box;      // the dialogs' box for this mount
    QString field;    // page 5's sheet field naming the mount while it is free
    QString freeText; // what that field reads while the mount is free
};

extern const Mount kTopMount;
extern const Mount kUnderbarrelMount;

// The flags' click operations on page 5: keep the six dialogs' boxes and notice in line
// with which mounts are taken, and gray the ticked box that now holds a mount.
void attachMountFlags(Window &page5);

// The click operations of a dialog's two boxes: a tick reserves the mount on page 5's
// sheet, an untick gives it back.
void attachMountBoxes(Window &dialog);

// Gives back the mount the accessory's dialog holds, once the accessory is unchecked.
void releaseMountOf(Window &page5, const QString &accessory);

} // namespace korvalde::page5
