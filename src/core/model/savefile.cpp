#include "model/savefile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace korvalde {

namespace {

// The reasons a save fails, in German like every other text of the program: the
// system's own texts would come in the language of its settings, often English.
const QString kNameTooLong = QStringLiteral("Der Dateiname ist zu lang.");
const QString kNameIsFolder = QStringLiteral("Unter diesem Namen gibt es schon einen Ordner.");
const QString kFolderMissing = QStringLiteral("Den Ordner gibt es nicht.");
const QString kFileReadOnly = QStringLiteral("Die vorhandene Datei ist schreibgeschützt.");
const QString kFolderReadOnly = QStringLiteral("In diesen Ordner darf nicht geschrieben werden.");
const QString kNotCreated = QStringLiteral("Die Datei lässt sich nicht anlegen.");
const QString kNotWrittenWhole =
    QStringLiteral("Die Datei lässt sich nicht vollständig schreiben; vielleicht ist der Datenträger voll.");

// Why a file cannot be written in place, asked once it failed: the error codes of the
// save itself say no more than "could not open" or "could not rename".
QString whyNotWritable(const QString &fileName)
{
    const QFileInfo target(fileName);
    const QFileInfo folder(target.absolutePath());
    if (target.fileName().toUtf8().size() > kLongestSavableName)
        return kNameTooLong;
    if (target.isDir())
        return kNameIsFolder;
    if (!folder.isDir())
        return kFolderMissing;
    if (target.exists() && !target.isWritable())
        return kFileReadOnly;
    if (!folder.isWritable())
        return kFolderReadOnly;
    return kNotCreated;
}

} // namespace

QString saveFileWhole(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    // Writing straight into the target would put it at risk, whatever the folder allows.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return whyNotWritable(fileName);
    // commit() does not notice a buffered write that fails only when flushed (a full
    // disk, a size limit), so the bytes are pushed out and checked before it.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return kNotWrittenWhole;
    }
    if (!file.commit())
        return whyNotWritable(fileName);
    return {};
}

} // namespace korvalde
