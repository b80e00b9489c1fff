#include "pages/page3/options.h"
#include "wizard/windows.h"

#include "model/application.h"
#include "sheet/sheet.h"
#include "sheet/steps.h"

namespace korvalde::page3 {

namespace {

using namespace steps;

// Level 1 costs the frame's base DP, level 2 half as much again with halves rounded up.
struct SmartgunPrice {
    QString frame;
    int level1;
    int level2;
};

const SmartgunPrice kSmartgunPrices[] = {
    {"Holdout Pistole", 25, 38},
    {"Leichte Pistole", 90, 135},
    {"Automatische Pistole", 180, 270},
    {"Schwere Pistole", 120, 180},
    {"Maschinenpistole", 100, 150},
    {"Schrotflinte", 130, 195},
    {"Taser", 200, 300},
    {"Sportgewehr", 125, 188},
    {"Sturmgewehr", 225, 338},
    {"Scharfschützengewehr", 800, 1200},
    {"LMG", 425, 638},
    {"MMG", 700, 1050},
    {"SMG", 1000, 1500},
    {"Sturmkanone", 1400, 2100},
};

// A frame without a price row pays nothing; the level's other effects still apply.
int smartgunPrice(const QString &frame, int level)
{
    for (const SmartgunPrice &row : kSmartgunPrices) {
        if (row.frame == frame)
            return level == 1 ? row.level1 : row.level2;
    }
    return 0;
}

// `typ` is page 2's frame name, copied by its hand-off; page 3 never changes it.
Step chargeFramePrice(int level, int sign)
{
    return run(
        [level, sign](Window &page) { sheet::add(page, "dp", sign * smartgunPrice(page["typ"].text(), level)); });
}

// Page 5 disables all its mount accessories for the Holdout Pistole; releasing the lock
// must not offer the external system there.
Step releaseExternalSmartgun()
{
    return run([](Window &page) {
        if (page["typ"].text() != "Holdout Pistole")
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
    const Steps deltas = {add("gew", level.weight), add("fke", -0.5)};
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
