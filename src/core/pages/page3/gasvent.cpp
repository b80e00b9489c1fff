#include "pages/page3/options.h"
#include "pages/page3/page3.h"

#include "sheet/fields.h"
#include "sheet/steps.h"
#include "wizard/windows.h"

namespace korvalde::page3 {

namespace {

using namespace steps;

struct GasLevel {
    QString box;
    QString toolTip;
    Steps deltas; // in the order kpd, trn, gew, fke, dp
};

const GasLevel kGasLevels[] = {
    {"gas2",
     "Tarnstufe -1, DP +90, FKE -0.5, Gewicht +0.5, Rückstoßkompensation +2",
     {add(field::recoilCompensation, 2), add(field::concealment, -1), add(field::weight, 0.5), add(field::fke, -0.5),
      add(field::dp, 90)}},
    {"gas3",
     "Tarnstufe -2, DP +140, FKE -0.75, Gewicht +0.75, Rückstoßkompensation +3",
     {add(field::recoilCompensation, 3), add(field::concealment, -2), add(field::weight, 0.75), add(field::fke, -0.75),
      add(field::dp, 140)}},
    {"gas4",
     "Tarnstufe -2, DP +200, FKE -1, Gewicht +0.75, Rückstoßkompensation +4",
     {add(field::recoilCompensation, 4), add(field::concealment, -2), add(field::weight, 0.75), add(field::fke, -1),
      add(field::dp, 200)}},
};

// The summary box: taking the barrel mount remembers its text, so that withdrawing the
// vent gives back what the page received. Unchecking it withdraws whichever level is on.
ToggleRow summaryRow()
{
    Steps whenUnchecked = {copyText(field::barrelMount, "hltorg"), enable(on(windows::page4, "abgesägte"))};
    for (const GasLevel &level : kGasLevels)
        whenUnchecked.push_back(uncheck(level.box));
    return {gasVent().summary,
            "",
            {copyText("hltorg", field::barrelMount), setText(field::barrelMount, ""),
             disable(on(windows::page4, "abgesägte"))},
            whenUnchecked};
}

} // namespace

const OptionGroup &gasVent()
{
    static const OptionGroup group = [] {
        OptionGroup vent{"gas", {}};
        for (const GasLevel &level : kGasLevels)
            vent.members << level.box;
        return vent;
    }();
    return group;
}

void attachGasVent(Window &page)
{
    attachToggle(page, summaryRow());
    std::vector<ToggleRow> levels;
    for (const GasLevel &level : kGasLevels)
        levels.push_back(optionRow(level.box, level.toolTip, level.deltas));
    attachLevelGroup(page, {gasVent().summary, false, levels});
}

} // namespace korvalde::page3
