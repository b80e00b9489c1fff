#include "outputfolders.h"

#include "filenames.h"
#include "messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace korvalde::scenario {

namespace {

bool isInside(const QString &path, const QString &folder)
{
    if (folder.isEmpty())
        return false;
    return path == folder || path.startsWith(folder.endsWith('/') ? folder : folder + '/');
}

// An output folder DIR/NAME must lie below DIR: a step that names DIR again, its parent
// or nothing at all would make the scenario empty DIR or whatever holds it.
bool hasBadStep(const QString &name)
{
    const QStringList steps = name.split('/');
    return std::any_of(steps.begin(), steps.end(),
                       [](const QString &step) { return step.isEmpty() || step == "." || step == ".."; });
}

} // namespace

QString realPath(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (qsizetype end = absolute.size(); end > 0; end = absolute.lastIndexOf('/', end - 1)) {
        const QString existing = QFileInfo(absolute.left(end)).canonicalFilePath();
        if (!existing.isEmpty())
            return QDir::cleanPath(existing + absolute.mid(end));
    }
    return QDir::cleanPath(absolute);
}

bool overlap(const QString &a, const QString &b)
{
    return isInside(a, b) || isInside(b, a);
}

QString outputFoldersRefusal(const QString &outDir, const QStringList &given, const std::vector<ScenarioFile> &files)
{
    QHash<QString, QString> pathByName;
    for (const ScenarioFile &file : files) {
        if (hasBadStep(file.name))
            return QStringLiteral("%1 would have the output folder %2, which is no folder below --out")
                .arg(shownValue(file.path), shownValue(file.name));
        if (const auto same = pathByName.constFind(file.name); same != pathByName.constEnd())
            return QStringLiteral("%1 and %2 would share the output folder %3")
                .arg(shownValue(*same), shownValue(file.path), shownValue(file.name));
        pathByName.insert(file.name, file.path);
    }
    const QString out = realPath(outDir);
    for (const QString &path : given) {
        if (QFileInfo(path).isDir() && overlap(out, realPath(path)))
            return QStringLiteral("--out %1 holds or lies inside the scenario folder %2")
                .arg(shownValue(outDir), shownValue(path));
    }
    for (const ScenarioFile &file : files) {
        if (isInside(realPath(file.path), out))
            return QStringLiteral("--out %1 holds the scenario file %2").arg(shownValue(outDir), shownValue(file.path));
    }
    return {};
}

std::vector<OutputFolder> planOutputFolders(const QString &outRoot, const std::vector<ScenarioFile> &files)
{
    std::vector<OutputFolder> folders;
    QHash<QString, QString> nameByFolder;
    for (const ScenarioFile &file : files) {
        OutputFolder folder;
        if (const QString escape = linkEscape(outRoot, file.name); !escape.isEmpty()) {
            folder.failure = escape;
        } else {
            folder.path = realPath(outRoot + '/' + file.name);
            if (folder.path == outRoot)
                folder.failure = QStringLiteral("file name %1 leads back to the --out folder through a link")
                                     .arg(shownValue(file.name));
            else if (const auto other = nameByFolder.constFind(folder.path); other != nameByFolder.constEnd())
                folder.failure = QStringLiteral("file name %1 leads through a link to the output folder of %2")
                                     .arg(shownValue(file.name), shownValue(*other));
            else
                nameByFolder.insert(folder.path, file.name);
        }
        if (!folder.failure.isEmpty())
            folder.path.clear();
        folders.push_back(folder);
    }
    return folders;
}

void emptyFolder(const QString &folder, const QStringList &spared)
{
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString path = QDir::cleanPath(entry.absoluteFilePath());
        const bool isFolder = entry.isDir() && !entry.isSymLink();
        const bool holdsSpared = isFolder && std::any_of(spared.begin(), spared.end(),
                                                         [&](const QString &other) { return isInside(other, path); });
        if (!holdsSpared) {
            if (isFolder)
                QDir(path).removeRecursively();
            else
                QFile::remove(path);
        } else if (!spared.contains(path)) {
            emptyFolder(path, spared);
        }
    }
}

} // namespace korvalde::scenario
