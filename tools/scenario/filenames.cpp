#include "filenames.h"

#include "messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace korvalde::scenario {

namespace {

bool isInside(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder.endsWith('/') ? folder : folder + '/');
}

} // namespace

QString linkEscape(const QString &folder, const QString &name)
{
    const QString root = QFileInfo(folder).canonicalFilePath();
    if (root.isEmpty())
        return QStringLiteral("folder %1 does not exist").arg(shownValue(folder));
    // Follow the name step by step; each link met must resolve inside the folder.
    QString current = root;
    for (const QString &step : name.split('/', Qt::SkipEmptyParts)) {
        if (step == ".")
            continue;
        const QString next = current + '/' + step;
        const QFileInfo info(next);
        if (!info.isSymLink()) {
            current = next;
            continue;
        }
        QString target = info.canonicalFilePath();
        if (target.isEmpty()) // a link to nothing (yet): where it points
            target = QDir::cleanPath(QDir(current).absoluteFilePath(info.symLinkTarget()));
        if (!isInside(target, root))
            return QStringLiteral("file name %1 leads out of its folder through the link %2")
                .arg(shownValue(name), shownValue(QDir(root).relativeFilePath(next)));
        current = target;
    }
    return {};
}

QString saveDialogRefusal(const QString &path)
{
    if (path.isEmpty())
        return QStringLiteral("no file name given");
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("it is a folder");
    if (!info.exists()) {
        // As the dialog measures: the name's characters against the folder's limit.
        const long limit = ::pathconf(QFile::encodeName(info.path()).constData(), _PC_NAME_MAX);
        if (limit >= 0 && info.fileName().size() > limit)
            return QStringLiteral("the name is longer than the file system holds (%1 characters, at most %2)")
                .arg(info.fileName().size())
                .arg(limit);
    }
    return {};
}

} // namespace korvalde::scenario
