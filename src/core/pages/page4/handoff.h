#pragma once

#include "model/window.h"

#include <QString>

namespace korvalde::page4 {

// Tells page 5 and the mount-choice dialogs which mounts page 4 has used up.
void handOverUsedMounts(const Window &page, Window &page5);

} // namespace korvalde::page4
