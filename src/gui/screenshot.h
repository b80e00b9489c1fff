#pragma once

#include "frontend.h"

#include <QString>
#include <QStringList>

namespace korvalde::gui {

// A picture of the program for its documentation: clicks the given controls
// ("Form1.Option9") as a user would, then saves the main window to `path` and every open
// dialog beside it (path with "-<dialog>" before the suffix). Message boxes met on the
// way are only printed. Returns false when a click was impossible or saving failed.
bool takeScreenshot(Frontend &frontend, const QStringList &clicks, const QString &path);

} // namespace korvalde::gui
