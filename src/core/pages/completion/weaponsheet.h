#pragma once

#include "model/window.h"

#include <QString>
#include <QStringList>

#include <QRegularExpression>

namespace korvalde {

// The 18 lines of the saved weapon sheet as patterns: fixed text, and `{field}` where the
// text of that completion-page field goes. A line's label runs up to its first colon.
const QStringList &weaponSheetPatterns();

// Matches one `{field}` of a pattern; the first capture is the field's name.
const QRegularExpression &sheetPlaceholder();

// The pattern with every `{field}` replaced by that field's text on `page`.
QString fillSheetPattern(const QString &pattern, const Window &page);

// The 18 lines of the saved weapon sheet, each a fixed label followed by the completion
// page's field texts, without their line ends.
QStringList weaponSheetLines(const Window &completionPage);

// The lines, each ended by CR LF (the last one too).
QString weaponSheetText(const Window &completionPage);

} // namespace korvalde
