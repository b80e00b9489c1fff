#include "pages/completion/savesheet.h"

#include "model/application.h"
#include "pages/completion/savefile.h"
#include "pages/completion/suggestedfilename.h"
#include "pages/completion/weaponsheet.h"
#include "pages/completion/windows1252.h"
#include "sheet/sheet.h"

#include <QDir>
#include <QFileInfo>

namespace korvalde::completion {

void saveWeaponSheet(Window &completionPage, QString &lastChosen)
{
    Application &app = completionPage.app();
    const QString suggestion = lastChosen.isEmpty()
                                   ? suggestedFileName(completionPage["waffenname"].text(), QStringLiteral(".txt"))
                                   : QFileInfo(lastChosen).fileName();
    const std::optional<QString> fileName =
        app.platform().askSaveFileName({QStringLiteral("Textdateien (*.txt)"), suggestion});
    if (!fileName || fileName->isEmpty())
        return;
    lastChosen = *fileName;
    const QString reason = saveFileWhole(*fileName, toWindows1252(weaponSheetText(completionPage)));
    if (reason.isEmpty()) {
        app.platform().fileSaved(*fileName);
        return;
    }
    app.showMessage({kSaveFailedMessage, sheet::kAppTitle, MessageIcon::Warning,
                     QDir::toNativeSeparators(*fileName) + QStringLiteral("\n") + reason});
}

} // namespace korvalde::completion
