#pragma once

#include "model/window.h"

namespace korvalde::page2 {

// Page 2's load: sets the page up for the frame chosen on the start page.
void applyFrameProfile(Window &page, const QString &optionsFrame);

} // namespace korvalde::page2
