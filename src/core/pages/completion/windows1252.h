#pragma once

#include <QByteArray>
#include <QString>

namespace korvalde {

// The text in the Windows-1252 code page, one byte per character; a character the code
// page cannot hold is written as "?".
QByteArray toWindows1252(const QString &text);

} // namespace korvalde
