#include "model/savefile.h"

#include <QSaveFile>

namespace korvalde {

QString saveFileWhole(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    // Writing straight into the target would put it at risk, whatever the folder allows.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // commit() does not notice a buffered write that fails only when flushed (a full
    // disk, a size limit), so the bytes are pushed out and checked before it.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace korvalde
