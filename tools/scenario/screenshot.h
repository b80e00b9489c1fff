#pragma once

#include "frontend.h"

#include <QString>

namespace korvalde::scenario {

// A picture of the program for its documentation (korvalde-scenario --gui --screenshot):
// lets the layouts settle as the running program's event loop would, then saves the main
// window to `path` and every open dialog beside it (path with "-<dialog>" before the
// suffix). Returns why saving failed, or an empty text.
QString takeScreenshot(gui::Frontend &frontend, const QString &path);

} // namespace korvalde::scenario
