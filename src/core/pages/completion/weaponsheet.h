#pragma once

#include "model/window.h"

#include <QString>
#include <QStringList>

namespace korvalde {

// The 18 lines of the saved weapon sheet, each a fixed label followed by the completion
// page's field texts, without their line ends.
QStringList weaponSheetLines(const Window &completionPage);

// The lines, each ended by CR LF (the last one too).
QString weaponSheetText(const Window &completionPage);

} // namespace korvalde
