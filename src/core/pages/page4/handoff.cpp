#include "pages/page4/handoff.h"

#include "model/application.h"
#include "sheet/mounts.h"
#include "wizard/navigation.h"

namespace korvalde::page4 {

namespace {

void disableInEveryDialog(Application &app, const QString &box)
{
    for (const QString &dialog : navigation::mountDialogs())
        app.window(dialog)[box].setEnabled(false);
}

} // namespace

void handOverUsedMounts(const Window &page, Window &page5)
{
    Application &app = page5.app();
    // A disabled mount field is a mount page 4 (or page 3 before it) has used up.
    if (!page["hlt3"].isEnabled()) {
        page5[kUnderbarrelMount.flag].setChecked(true);
        disableInEveryDialog(app, kUnderbarrelMount.box);
        page5["hlt3"].setEnabled(false);
    }
    if (!page["hlt"].isEnabled())
        page5["hlt"].setEnabled(false);
    // The top mount is not recorded as taken, so the dialogs keep showing it, disabled.
    if (!page["hlt2"].isEnabled()) {
        disableInEveryDialog(app, kTopMount.box);
        page5["hlt2"].setEnabled(false);
    }
}

} // namespace korvalde::page4
