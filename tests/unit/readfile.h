#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace korvalde::test {

// The bytes of a file; a marker no file here holds when it cannot be read, so that a
// comparison with it fails.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(unreadable)";
    return file.readAll();
}

} // namespace korvalde::test
