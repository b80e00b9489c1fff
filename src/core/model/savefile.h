#pragma once

#include <QByteArray>
#include <QString>

namespace korvalde {

// The longest file name, in UTF-8 bytes, that a save can also write over: the new file
// passes through a temporary name seven bytes longer, and file systems take 255 at most.
inline constexpr qsizetype kLongestSavableName = 248;

// Writes `bytes` to a temporary file beside `fileName` and puts it in place only when it
// is complete: a failure leaves no partial file and an existing file as it was. Returns
// the reason on failure, in German, an empty text on success.
QString saveFileWhole(const QString &fileName, const QByteArray &bytes);

} // namespace korvalde
