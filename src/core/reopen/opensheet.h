#pragma once

#include "model/application.h"
#include "reopen/useraction.h"

#include <QByteArray>
#include <QString>

#include <variant>
#include <vector>

namespace korvalde::reopen {

// The user actions that rebuild the sheet in `path` in `app`, or the message that says why
// not. They are found in twins of `app`; `app` itself is left as it is.
std::variant<std::vector<UserAction>, QString> actionsForSheet(const Application &app, const QString &path);

// The same for a sheet that arrived as bytes (an upload), named `fileName`; bytes over
// the size a sheet may have are refused as a file of that size is.
std::variant<std::vector<UserAction>, QString> actionsForSheetBytes(const Application &app, const QString &fileName,
                                                                    const QByteArray &bytes);

// Rebuilds the design of the sheet in `path` in the program: tried first in a program of
// its own, then done here, so that the user sees the completion page with every earlier
// page behind it. A file that gives no design gets one message and changes nothing.
void openSheet(Application &app, const QString &path);

// The same for a sheet that arrived as bytes; nothing of it is written to a disk.
void openSheetBytes(Application &app, const QString &fileName, const QByteArray &bytes);

// "Öffnen…" on the start page: asks for a sheet and opens it.
void askAndOpenSheet(Application &app);

} // namespace korvalde::reopen
