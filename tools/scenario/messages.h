#pragma once

#include <QString>

namespace korvalde::scenario {

// Texts from a scenario or from the program, made fit for a failure message on a terminal:
// control characters are shown escaped ("\x1B", "\r", "\u{202E}") and a long text is
// shortened to its start and end.

// A text as it stands in a message.
QString shownText(const QString &text);
// A text quoted as in a scenario file ("\"" a quote, "\\" a backslash), escaped, shortened.
QString shownValue(const QString &text);
// A whole message line: control characters escaped and, as a last guard, shortened.
QString shownLine(const QString &line);

} // namespace korvalde::scenario
