#include "pages/page2/options.h"
#include "sheet/frameprofile.h"
#include "sheet/steps.h"
#include "wizard/chosenframe.h"
#include "wizard/windows.h"

namespace korvalde::page2 {

namespace {

using namespace steps;

// Single and half-automatic fire take page 4's silencer, on a frame that has a place for it.
void offerSilencer(Window &page)
{
    const FrameEntry *frame = chosenFrame(page.app());
    const FrameProfile *profile = frame ? frameProfile(frame->name) : nullptr;
    if (profile != nullptr && profile->hiddenOnPage4.contains("schall"))
        return;
    resolveTarget(page, on(windows::page4, "schall")).setVisible(true);
}

ToggleRow fireMode(const QString &box, const QString &toolTip, const QString &modes, const Steps &deltas,
                   bool takesSilencer = false, const QString &withdrawnModes = " - ")
{
    ToggleRow row = optionRow(box, toolTip, deltas);
    row.whenChecked.insert(row.whenChecked.begin(), setText("pwr", modes));
    row.whenUnchecked.insert(row.whenUnchecked.begin(), setText("pwr", withdrawnModes));
    if (takesSilencer) {
        row.whenChecked.push_back(run(offerSilencer));
        row.whenUnchecked.push_back(hide(on(windows::page4, "schall")));
    }
    return row;
}

} // namespace

void attachFireModes(Window &page)
{
    attachLevelGroup(page, {"modus",
                            false,
                            {
                                fireMode("modus1", "DP -5", "EM", {add("dp", -5)}, true),
                                fireMode("modus2", "DP +5", "HM", {add("dp", 5)}, true),
                                fireMode("modus3", "DP +100, FKE -1, Gewicht +0.5 kg", "SM",
                                         {add("dp", 100), add("fke", -1), add("gew", 0.5)}),
                                fireMode("modus4", "DP +105, FKE -1, Gewicht +0.5 kg", "HM/SM",
                                         {add("dp", 105), add("fke", -1), add("gew", 0.5)}),
                                fireMode("modus5", "DP +220, FKE -2, Gewicht +1 kg", "SM/AM",
                                         {add("dp", 220), add("fke", -2), add("gew", 1)}),
                                fireMode("modus6", "DP +225, FKE -2, Gewicht +1 kg", "HM/SM/AM",
                                         {add("dp", 225), add("fke", -2), add("gew", 1)}),
                                // Withdrawing full-automatic fire leaves "-", the others " - ".
                                fireMode("modus7", "DP +120, FKE -1, Gewicht +0.5 kg", "AM",
                                         {add("dp", 120), add("fke", -1), add("gew", 0.5)}, false, "-"),
                            }});
    page["modus"].onClick([&page] { page["modusframe"].setVisible(true); });
}

} // namespace korvalde::page2
