#pragma once

#include <QString>

#include <optional>

namespace korvalde {

// Numbers live in the fields as German text ("1,5", "1400") whatever the machine's locale.

// The value of a number text; nothing for a text that is no number ("-", "16 Stufen").
std::optional<double> parseNumber(const QString &text);

// The shortest text that shows the value at up to 15 significant digits: "3", "2,75", "-0,5".
QString formatNumber(double value);

// A text read as a truth value: a number other than 0 is true; any other text is false.
bool isTrueNumber(const QString &text);

} // namespace korvalde
