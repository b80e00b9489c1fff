#pragma once

#include "model/window.h"

namespace korvalde::page4 {

// Click operations of the boxes whose effects are fixed lists: barrel and other
// accessories, the biometric safety family and the underbarrel accessories and weapons.
void attachAccessoryOptions(Window &page);

// "Automatischer Modus": rewrites "SM" to "AM" in the fire modes, where there is one.
void attachAutoMode(Window &page);

// "Vergrößerter Ladestreifen (max.)" with its size list `vergrößert`.
void attachEnlargedClip(Window &page);

// Is an enlarged clip applied to the sheet now?
bool isClipApplied(const Window &page);

} // namespace korvalde::page4
