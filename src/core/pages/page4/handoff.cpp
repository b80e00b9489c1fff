#include "pages/page4/handoff.h"

#include "model/application.h"
#include "sheet/fields.h"
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
    if (!page[field::underbarrelMount].isEnabled()) {
        page5[kUnderbarrelMount.flag].setChecked(true);
        disableInEveryDialog(app, kUnderbarrelMount.box);
        page5[field::underbarrelMount].setEnabled(false);
    }
    if (!page[field::barrelMount].isEnabled())
        page5[field::barrelMount].setEnabled(false);
    // The top mount is not recorded as taken, so the dialogs keep showing it, disabled.
    if (!page[field::topMount].isEnabled()) {
        disableInEveryDialog(app, kTopMount.box);
        page5[field::topMount].setEnabled(false);
    }
}

} // namespace korvalde::page4
