#pragma once

#include "model/application.h"
#include "reopen/useraction.h"

#include <QString>

#include <variant>
#include <vector>

namespace korvalde::reopen {

// The user actions that rebuild the sheet in `path` in `app`, or the message that says why
// not. They are found in twins of `app`; `app` itself is left as it is.
std::variant<std::vector<UserAction>, QString> actionsForSheet(const Application &app, const QString &path);

// Rebuilds the design of the sheet in `path` in the program: tried first in a program of
// its own, then done here, so that the user sees the completion page with every earlier
// page behind it. A file that gives no design gets one message and changes nothing.
void openSheet(Application &app, const QString &path);

// "Öffnen…" on the start page: asks for a sheet and opens it.
void askAndOpenSheet(Application &app);

} // namespace korvalde::reopen
