#include "pages/page2/profile.h"

#include "model/application.h"
#include "pages/page2/layout.h"
#include "sheet/fields.h"
#include "sheet/frameprofile.h"
#include "wizard/windows.h"

namespace korvalde::page2 {

void applyFrameProfile(Window &page, const QString &optionsFrame)
{
    Application &app = page.app();
    // Page 2's own `typ` is still empty here: the start page copies it after the load.
    const Window &start = app.window(windows::startPage);
    const FrameProfile *profile = frameProfile(start[field::frame].text());
    if (profile == nullptr)
        return;
    page[optionsFrame].setText(profile->frame);
    page["muniorg"].setText(profile->capacity);
    if (profile->takesStartFke)
        page[field::fke].setText(start[field::fke].text());
    const std::pair<QString, QString> fields[] = {
        {field::powerLevel, profile->pwn}, {field::damageLevel, profile->snw},
        {field::fireModes, profile->pwr},  {field::concealment, profile->trn},
        {field::weight, profile->gew},     {field::capacity, profile->capacity},
        {field::loading, profile->lmm},    {field::barrelMount, profile->hlt},
        {field::topMount, profile->hlt2},  {field::underbarrelMount, profile->hlt3},
    };
    for (const auto &[name, text] : fields)
        page[name].setText(text);
    for (const QString &control : offeredControls(*profile))
        page[control].setVisible(true);
    showGroupsInUse(page, optionsFrame);
    // The pre-selected boxes run their own click operations; the start page's FKE and DP
    // overwrite this page's afterwards, so their FKE and DP are not charged.
    // What the frame takes away on pages 4 and 5 those pages apply themselves, whenever
    // they are created.
    for (const QString &box : profile->preselected)
        page[box].setState(CheckState::Checked);
}

} // namespace korvalde::page2
