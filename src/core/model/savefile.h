#pragma once

#include <QByteArray>
#include <QString>

namespace korvalde {

// Writes `bytes` to a temporary file beside `fileName` and puts it in place only when it
// is complete: a failure leaves no partial file and an existing file as it was. Returns
// the system's reason on failure, an empty text on success.
QString saveFileWhole(const QString &fileName, const QByteArray &bytes);

} // namespace korvalde
