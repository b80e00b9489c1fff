#include "frontend.h"

#include <QFileInfo>

namespace korvalde::gui {

// Reopening saved sheets is not built yet: a file named on the command line is answered
// with a message instead of being ignored.
void Frontend::openSheet(const QString &path)
{
    showMessage(
        {QStringLiteral("Die Datei \"%1\" lässt sich mit dieser Version nicht öffnen.").arg(QFileInfo(path).fileName()),
         QStringLiteral("Korvalde"),
         MessageIcon::Warning,
         {}});
}

} // namespace korvalde::gui
