#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace korvalde::scenario {

// The lines of a saved sheet, each ended by CR LF, decoded from Windows-1252; nothing when
// the file is not made of such lines (a bare CR or LF, or a last line without its end).
std::optional<QStringList> crlfLines(const QByteArray &content);

QString decodeWindows1252(const QByteArray &bytes);

} // namespace korvalde::scenario
