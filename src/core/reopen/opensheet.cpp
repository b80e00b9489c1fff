#include "reopen/opensheet.h"

#include "reopen/rebuild.h"
#include "reopen/sheetfile.h"
#include "sheet/sheet.h"

#include <QFileInfo>

namespace korvalde::reopen {

std::variant<std::vector<UserAction>, QString> actionsForSheet(const Application &app, const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const std::optional<QStringList> lines = readSheetLines(path);
    if (!lines)
        return QStringLiteral("Die Datei \"%1\" lässt sich nicht lesen.").arg(name);
    Rebuild rebuild = rebuildSheet(app, *lines);
    if (rebuild.found)
        return std::move(rebuild.actions);
    return QStringLiteral("Die Datei \"%1\" lässt sich nicht öffnen: Zeile %2 (%3) passt nicht.")
        .arg(name)
        .arg(rebuild.firstMismatch + 1)
        .arg(rebuild.mismatchLabel);
}

void openSheet(Application &app, const QString &path)
{
    const auto found = actionsForSheet(app, path);
    if (const QString *message = std::get_if<QString>(&found)) {
        app.showMessage({*message, sheet::kAppTitle, MessageIcon::Warning, {}});
        return;
    }
    for (const UserAction &action : std::get<std::vector<UserAction>>(found))
        perform(app, action);
}

void askAndOpenSheet(Application &app)
{
    const std::optional<QString> path =
        app.platform().askOpenFileName({{QStringLiteral("Waffenblätter (*.txt)"), QStringLiteral("Alle Dateien (*)")}});
    if (path && !path->isEmpty())
        openSheet(app, *path);
}

} // namespace korvalde::reopen
