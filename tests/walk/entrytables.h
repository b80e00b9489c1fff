#pragma once

#include "model/window.h"

#include <QString>

namespace korvalde::walk {

// What the modifications list must say for one page as the user left it, built from the
// tables of entries independently of the pages' own code.
QString expectedEntries(const Window& page);

}  // namespace korvalde::walk
