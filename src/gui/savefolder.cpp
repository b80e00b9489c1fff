#include "savefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace korvalde::gui {

namespace {

const QString kSaveFolderKey = QStringLiteral("Speichern/Ordner");

QSettings settings()
{
    return QSettings(QStringLiteral("Korvalde"), QStringLiteral("Korvalde"));
}

// Never the working folder: a program started from a menu has some folder of the system
// there, not one of the user's.
QString firstSaveFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

} // namespace

QString saveFolder()
{
    const QString remembered = settings().value(kSaveFolderKey).toString();
    // A folder removed since falls back to the first choice.
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    return firstSaveFolder();
}

void rememberSaveFolder(const QString &savedFile)
{
    settings().setValue(kSaveFolderKey, QFileInfo(savedFile).absolutePath());
}

} // namespace korvalde::gui
