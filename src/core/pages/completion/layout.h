#pragma once

#include "model/window.h"

namespace korvalde::completion {

// The finished sheet in one frame "Fertigstellung", row by row, with the buttons below.
void layOut(Window &page);

} // namespace korvalde::completion
