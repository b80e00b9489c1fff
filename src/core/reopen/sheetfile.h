#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace korvalde::reopen {

// A saved sheet is small; anything larger is refused before it is read whole.
inline constexpr qint64 kLargestSheet = 64 * 1024;

// The lines of a sheet file, decoded from Windows-1252, without their line ends (CR LF or
// LF); a last line without an end counts too. Nothing when the file cannot be read: it
// does not exist, is no regular file (a pipe, a device, a folder) or is too large.
std::optional<QStringList> readSheetLines(const QString &path);

// The same for bytes already read.
QStringList sheetLines(const QByteArray &bytes);

} // namespace korvalde::reopen
