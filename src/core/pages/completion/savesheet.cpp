#include "pages/completion/savesheet.h"

#include "model/application.h"
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
    const SaveResult result = app.platform().saveFile({QStringLiteral("Textdateien (*.txt)"), suggestion},
                                                      toWindows1252(weaponSheetText(completionPage)));
    if (result.outcome == SaveResult::Outcome::Cancelled)
        return;
    if (result.chosenByUser)
        lastChosen = result.fileName;
    if (result.outcome == SaveResult::Outcome::Saved) {
        app.platform().fileSaved(result.fileName);
        return;
    }
    app.showMessage({kSaveFailedMessage, sheet::kAppTitle, MessageIcon::Warning,
                     QDir::toNativeSeparators(result.fileName) + QStringLiteral("\n") + result.reason});
}

} // namespace korvalde::completion
