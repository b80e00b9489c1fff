#include "pages/page4/options.h"

#include "sheet/fields.h"
#include "sheet/firemodes.h"
#include "sheet/sheet.h"

namespace korvalde::page4 {

namespace {

// The fire modes in which the automatic mode takes the place of "SM".
QString withAutomatic(const QString &fireModes)
{
    if (fireModes == QLatin1String(fire::semiAndBurst.text))
        return fire::semiAndFull;
    if (fireModes == QLatin1String(fire::burst.text))
        return fire::fullAutomatic.text;
    return {};
}

} // namespace

void attachAutoMode(Window &page)
{
    Control &box = page["automodus"];
    box.setToolTip("DP +120, FKE -1");
    // What the check replaced, so that unchecking gives back only what the check charged:
    // a weapon that had "AM" from page 2 must not turn into "SM" and gain a refund.
    box.onClick([&page, &box, replaced = QString()]() mutable {
        if (box.isChecked()) {
            const QString rewritten = withAutomatic(page[field::fireModes].text());
            if (!rewritten.isEmpty()) {
                replaced = page[field::fireModes].text();
                page[field::fireModes].setText(rewritten);
                sheet::add(page, field::fke, -1);
                sheet::add(page, field::dp, 120);
            }
        }
        if (box.isUnchecked() && !replaced.isEmpty()) {
            page[field::fireModes].setText(replaced);
            replaced.clear();
            sheet::add(page, field::fke, 1);
            sheet::add(page, field::dp, -120);
        }
    });
}

} // namespace korvalde::page4
