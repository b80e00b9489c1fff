#pragma once

#include "model/window.h"

namespace korvalde::page3 {

// The frame whose caption becomes the frame name at load; it holds every option box.
inline constexpr auto kOptionsFrame = "Frame4";

// The option boxes in their layout state: all unchecked and enabled but `stimm`, which
// waits for a smartgun level.
void layOut(Window &page);

} // namespace korvalde::page3
