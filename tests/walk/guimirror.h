#pragma once

#include "frontend.h"
#include "model/application.h"

#include <QString>

namespace korvalde::walk {

// The first place where the widgets show something else than the core holds: a window's
// presence, title, enabled state and shown state, and for every control its text, check
// state, enabled and visible flags, tooltip and list entries. Empty when all agree.
QString mirrorMismatch(const Application &app, const gui::Frontend &frontend);

} // namespace korvalde::walk
