#include "model/platform.h"

#include "model/savefile.h"

#include <QFileInfo>

namespace korvalde {

SaveResult Platform::saveFile(const SaveRequest &request, const QByteArray &bytes)
{
    const std::optional<QString> fileName = askSaveFileName(request);
    if (!fileName || fileName->isEmpty())
        return {};
    const QString reason = saveFileWhole(*fileName, bytes);
    return {reason.isEmpty() ? SaveResult::Outcome::Saved : SaveResult::Outcome::Failed, *fileName, true, reason};
}

QString savedNotice(const QString &fileName)
{
    return QStringLiteral("Gespeichert: %1").arg(QFileInfo(fileName).fileName());
}

} // namespace korvalde
