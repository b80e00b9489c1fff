#pragma once

#include "model/window.h"

namespace korvalde::page5 {

// The click operations of page 5's accessories and refining options.
void attachOptions(Window &page);

// Page 3's internal smartgun system and the external one exclude each other; page 3 may
// be gone already, then there is nothing to unlock.
void lockInternalSmartgun(Application &app, bool locked);

} // namespace korvalde::page5
