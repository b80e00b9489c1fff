#include "pages/page3/options.h"

#include "model/application.h"
#include "sheet/fields.h"
#include "sheet/frameprofile.h"
#include "sheet/frames.h"
#include "sheet/sheet.h"
#include "sheet/steps.h"
#include "wizard/windows.h"

#include <cmath>

namespace korvalde::page3 {

namespace {

using namespace steps;

// Level 1 costs the frame's base DP, level 2 half as much again with halves rounded up.
// A frame not in the catalogue pays nothing; the level's other effects still apply.
double smartgunPrice(const QString &frameName, int level)
{
    const FrameEntry *frame = findFrame(frameName);
    if (frame == nullptr)
        return 0;
    return level == 1 ? frame->baseDp() : std::ceil(frame->baseDp() * 1.5);
}

// `typ` is page 2's frame name, copied by its hand-off; page 3 never changes it.
Step chargeFramePrice(int level, int sign)
{
    return run([level, sign](Window &page) {
        sheet::add(page, field::dp, sign * smartgunPrice(page[field::frame].text(), level));
    });
}

// Page 5 disables all its mount accessories for a frame without a mount for them;
// releasing the lock must not offer the external system there.
Step releaseExternalSmartgun()
{
    return run([](Window &page) {
        const FrameProfile *profile = frameProfile(page[field::frame].text());
        if (profile == nullptr || mountsAccessories(*profile))
            page.app().window(windows::page5)["smartextern"].setEnabled(true);
    });
}

// A level checks the summary box and disables the other level; voice activation comes
// and goes with the level.
struct SmartLevel {
    QString box;
    QString toolTip;
    int level;
    double weight;
};

const SmartLevel kSmartLevels[] = {
    {"smartintern1", "DP +Basis-DP des Rahmens, FKE -0.5, Gewicht +0.5", 1, 0.5},
    {"smartintern2", "DP +1.5 x Basis-DP des Rahmens, FKE -0.5, Gewicht +0.25", 2, 0.25},
};

ToggleRow levelRow(const SmartLevel &level)
{
    const Steps deltas = {add(field::weight, level.weight), add(field::fke, -0.5)};
    return {level.box, level.toolTip, joined({{enable("stimm")}, deltas, {chargeFramePrice(level.level, +1)}}),
            joined({{uncheck("stimm"), disable("stimm")}, negated(deltas), {chargeFramePrice(level.level, -1)}})};
}

} // namespace

void attachSmartgun(Window &page)
{
    attachToggle(page, {"smartintern",
                        "",
                        {disable(on(windows::page5, "smartextern"))},
                        {uncheck("smartintern1"), uncheck("smartintern2"), releaseExternalSmartgun()}});
    std::vector<ToggleRow> levels;
    for (const SmartLevel &level : kSmartLevels)
        levels.push_back(levelRow(level));
    attachLevelGroup(page, {"smartintern", false, levels});
}

} // namespace korvalde::page3
