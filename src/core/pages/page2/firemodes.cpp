#include "sheet/firemodes.h"
#include "pages/page2/options.h"
#include "sheet/fields.h"
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

ToggleRow fireMode(const FireMode &mode, const QString &toolTip, const Steps &deltas, bool takesSilencer = false,
                   const QString &withdrawnModes = " - ")
{
    ToggleRow row = optionRow(mode.box, toolTip, deltas);
    row.whenChecked.insert(row.whenChecked.begin(), setText(field::fireModes, mode.text));
    row.whenUnchecked.insert(row.whenUnchecked.begin(), setText(field::fireModes, withdrawnModes));
    if (takesSilencer) {
        row.whenChecked.push_back(run(offerSilencer));
        row.whenUnchecked.push_back(hide(on(windows::page4, "schall")));
    }
    return row;
}

} // namespace

void attachFireModes(Window &page)
{
    attachLevelGroup(page,
                     {"modus",
                      false,
                      {
                          fireMode(fire::single, "DP -5", {add(field::dp, -5)}, true),
                          fireMode(fire::semiAutomatic, "DP +5", {add(field::dp, 5)}, true),
                          fireMode(fire::burst, "DP +100, FKE -1, Gewicht +0.5 kg",
                                   {add(field::dp, 100), add(field::fke, -1), add(field::weight, 0.5)}),
                          fireMode(fire::semiAndBurst, "DP +105, FKE -1, Gewicht +0.5 kg",
                                   {add(field::dp, 105), add(field::fke, -1), add(field::weight, 0.5)}),
                          fireMode(fire::burstAndFull, "DP +220, FKE -2, Gewicht +1 kg",
                                   {add(field::dp, 220), add(field::fke, -2), add(field::weight, 1)}),
                          fireMode(fire::semiBurstAndFull, "DP +225, FKE -2, Gewicht +1 kg",
                                   {add(field::dp, 225), add(field::fke, -2), add(field::weight, 1)}),
                          // Withdrawing full-automatic fire leaves "-", the others " - ".
                          fireMode(fire::fullAutomatic, "DP +120, FKE -1, Gewicht +0.5 kg",
                                   {add(field::dp, 120), add(field::fke, -1), add(field::weight, 0.5)}, false, "-"),
                      }});
    page["modus"].onClick([&page] { page["modusframe"].setVisible(true); });
}

} // namespace korvalde::page2
