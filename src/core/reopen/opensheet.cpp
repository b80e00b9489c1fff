#include "reopen/opensheet.h"

#include "reopen/rebuild.h"
#include "reopen/sheetfile.h"
#include "sheet/sheet.h"

#include <QFileInfo>

namespace korvalde::reopen {

namespace {

std::variant<std::vector<UserAction>, QString> actionsForLines(const Application &app, const QString &name,
                                                               const std::optional<QStringList> &lines)
{
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

void openFound(Application &app, const std::variant<std::vector<UserAction>, QString> &found)
{
    if (const QString *message = std::get_if<QString>(&found)) {
        app.showMessage({*message, sheet::kAppTitle, MessageIcon::Warning, {}});
        return;
    }
    for (const UserAction &action : std::get<std::vector<UserAction>>(found))
        perform(app, action);
}

} // namespace

std::variant<std::vector<UserAction>, QString> actionsForSheet(const Application &app, const QString &path)
{
    return actionsForLines(app, QFileInfo(path).fileName(), readSheetLines(path));
}

std::variant<std::vector<UserAction>, QString> actionsForSheetBytes(const Application &app, const QString &fileName,
                                                                    const QByteArray &bytes)
{
    // An upload carries no folder, but a name made up by the sender may pretend one.
    const QString name = QFileInfo(fileName).fileName();
    if (bytes.size() > kLargestSheet)
        return actionsForLines(app, name, std::nullopt);
    return actionsForLines(app, name, sheetLines(bytes));
}

void openSheet(Application &app, const QString &path)
{
    openFound(app, actionsForSheet(app, path));
}

void openSheetBytes(Application &app, const QString &fileName, const QByteArray &bytes)
{
    openFound(app, actionsForSheetBytes(app, fileName, bytes));
}

void askAndOpenSheet(Application &app)
{
    const std::optional<QString> path =
        app.platform().askOpenFileName({{QStringLiteral("Waffenblätter (*.txt)"), QStringLiteral("Alle Dateien (*)")}});
    if (path && !path->isEmpty())
        openSheet(app, *path);
}

} // namespace korvalde::reopen
