#pragma once

#include "model/application.h"
#include "sheet/frames.h"

namespace korvalde {

// The frame chosen on the start page (its `typ`), or nothing while none matches.
const FrameEntry *chosenFrame(Application &app);

} // namespace korvalde
