#pragma once

#include "model/window.h"

namespace korvalde::page4 {

// Page 4's load: the frame's offer, then what the earlier pages switch on page 4.
void load(Window &page);

// What pages 2 and 3 switch on page 4, taken from their boxes as they are now. A page 4
// that is created again offers what a first pass offered. Never creates another page, and
// is harmless while page 2 is still setting itself up.
void deriveFromEarlierPages(Window &page);

} // namespace korvalde::page4
