#include "pages/page2/options.h"
#include "sheet/fields.h"
#include "sheet/steps.h"

namespace korvalde::page2 {

using namespace steps;

// Concealability, power level, ceramics, recoil compensation and barrel length: a summary
// box and levels, each level carrying all the deltas.
void attachSteppedModifications(Window &page)
{
    // Increased concealability and the bullpup design exclude each other.
    const Steps lockBullpup = {disable("bullpup")};
    const Steps unlockBullpup = {enable("bullpup")};
    // A withdrawn ceramic level leaves no note: the weapon is back to its plain Tarnstufe.
    const Steps noCeramicNote = {setText(field::ceramicConcealment, "")};
    attachLevelGroups(
        page, {
                  {"tarn",
                   true,
                   {
                       optionRow("tarnstufe1", "Tarnstufe +1, FKE -0.25, DP +20",
                                 {add(field::concealment, 1), add(field::fke, -0.25), add(field::dp, 20)}, lockBullpup,
                                 unlockBullpup),
                       optionRow("tarnstufe2", "Tarnstufe +2, FKE -0.5, DP +40",
                                 {add(field::concealment, 2), add(field::fke, -0.5), add(field::dp, 40)}, lockBullpup,
                                 unlockBullpup),
                   }},
                  {"power",
                   true,
                   {
                       optionRow("powerstufe1", "Powerniveau +1, FKE -0.25, DP +80, Gewicht +0.25 kg",
                                 {add(field::dp, 80), add(field::fke, -0.25), add(field::weight, 0.25),
                                  add(field::powerLevel, 1)}),
                       optionRow("powerstufe2", "Powerniveau +2, FKE -0.5, DP +160, Gewicht +0.5 kg",
                                 {add(field::dp, 160), add(field::fke, -0.5), add(field::weight, 0.5),
                                  add(field::powerLevel, 2)}),
                   }},
                  {"keramik",
                   true,
                   {
                       optionRow("keramikstufe1", "Tarnstufe: - /+2, DP +20, FKE -0.25, Gewicht -0.1 kg",
                                 {add(field::dp, 20), add(field::fke, -0.25), add(field::weight, -0.1)},
                                 {setText(field::ceramicConcealment, "+ 2")}, noCeramicNote),
                       optionRow("keramikstufe2", "Tarnstufe: - /+4, DP +40, FKE -0.5, Gewicht -0.2 kg",
                                 {add(field::dp, 40), add(field::fke, -0.5), add(field::weight, -0.2)},
                                 {setText(field::ceramicConcealment, "+ 4")}, noCeramicNote),
                       optionRow("keramikstufe3", "Tarnstufe: - /18, DP +60, FKE -0.75, Gewicht -0.3 kg",
                                 {add(field::dp, 60), add(field::fke, -0.75), add(field::weight, -0.3)},
                                 {setText(field::ceramicConcealment, "18 gegenüber MAD-Systemen")}, noCeramicNote),
                   }},
                  {"rück",
                   true,
                   {
                       optionRow("rück1", "DP +70, FKE -0.5, Gewicht +0.25, Rückstoßkompensation +1",
                                 {add(field::recoilCompensation, 1), add(field::dp, 70), add(field::fke, -0.5),
                                  add(field::weight, 0.25)}),
                       optionRow("rück2", "DP +140, FKE -1, Gewicht +0.5, Rückstoßkompensation +2",
                                 {add(field::recoilCompensation, 2), add(field::dp, 140), add(field::fke, -1),
                                  add(field::weight, 0.5)}),
                       optionRow("rück3", "DP +210, FKE -1.5, Gewicht +0.75, Rückstoßkompensation +3",
                                 {add(field::recoilCompensation, 3), add(field::dp, 210), add(field::fke, -1.5),
                                  add(field::weight, 0.75)}),
                   }},
                  {"lauf",
                   true,
                   {
                       optionRow("lauf1", "Tarnstufe: -2, DP +15, FKE -0.5, Gewicht +0.25",
                                 {add(field::fke, -0.5), add(field::dp, 15), add(field::concealment, -2),
                                  add(field::weight, 0.25)}),
                       optionRow("lauf2", "Tarnstufe: +2, DP +8, FKE -0.5, Gewicht -0.25",
                                 {add(field::fke, -0.5), add(field::dp, 8), add(field::concealment, 2),
                                  add(field::weight, -0.25)}),
                   }},
              });
}

} // namespace korvalde::page2
