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

// The content of a plain file; nothing for anything else (a FIFO, a device, a folder),
// which is never opened in a way that could wait for a writer.
std::optional<QByteArray> readPlainFile(const QString &path);

} // namespace korvalde::scenario
