#include "pages/completion/savesheet.h"

#include "model/application.h"
#include "pages/completion/savefile.h"
#include "pages/completion/weaponsheet.h"
#include "pages/completion/windows1252.h"
#include "sheet/sheet.h"

#include <QDir>

namespace korvalde::completion {

void saveWeaponSheet(Window &completionPage)
{
    Application &app = completionPage.app();
    const std::optional<QString> fileName = app.platform().askSaveFileName({QStringLiteral("Textdateien (*.txt)")});
    if (!fileName || fileName->isEmpty())
        return;
    const QString reason = saveFileWhole(*fileName, toWindows1252(weaponSheetText(completionPage)));
    if (reason.isEmpty()) {
        app.platform().fileSaved(*fileName);
        return;
    }
    app.showMessage({kSaveFailedMessage, sheet::kAppTitle, MessageIcon::Warning,
                     QDir::toNativeSeparators(*fileName) + QStringLiteral("\n") + reason});
}

} // namespace korvalde::completion
