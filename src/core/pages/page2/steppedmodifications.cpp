#include "pages/page2/options.h"
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
    const Steps noCeramicNote = {setText("trnkera", "")};
    attachLevelGroups(page,
                      {
                          {"tarn",
                           true,
                           {
                               optionRow("tarnstufe1", "Tarnstufe +1, FKE -0.25, DP +20",
                                         {add("trn", 1), add("fke", -0.25), add("dp", 20)}, lockBullpup, unlockBullpup),
                               optionRow("tarnstufe2", "Tarnstufe +2, FKE -0.5, DP +40",
                                         {add("trn", 2), add("fke", -0.5), add("dp", 40)}, lockBullpup, unlockBullpup),
                           }},
                          {"power",
                           true,
                           {
                               optionRow("powerstufe1", "Powerniveau +1, FKE -0.25, DP +80, Gewicht +0.25 kg",
                                         {add("dp", 80), add("fke", -0.25), add("gew", 0.25), add("pwn", 1)}),
                               optionRow("powerstufe2", "Powerniveau +2, FKE -0.5, DP +160, Gewicht +0.5 kg",
                                         {add("dp", 160), add("fke", -0.5), add("gew", 0.5), add("pwn", 2)}),
                           }},
                          {"keramik",
                           true,
                           {
                               optionRow("keramikstufe1", "Tarnstufe: - /+2, DP +20, FKE -0.25, Gewicht -0.1 kg",
                                         {add("dp", 20), add("fke", -0.25), add("gew", -0.1)},
                                         {setText("trnkera", "+ 2")}, noCeramicNote),
                               optionRow("keramikstufe2", "Tarnstufe: - /+4, DP +40, FKE -0.5, Gewicht -0.2 kg",
                                         {add("dp", 40), add("fke", -0.5), add("gew", -0.2)},
                                         {setText("trnkera", "+ 4")}, noCeramicNote),
                               optionRow("keramikstufe3", "Tarnstufe: - /18, DP +60, FKE -0.75, Gewicht -0.3 kg",
                                         {add("dp", 60), add("fke", -0.75), add("gew", -0.3)},
                                         {setText("trnkera", "18 gegenüber MAD-Systemen")}, noCeramicNote),
                           }},
                          {"rück",
                           true,
                           {
                               optionRow("rück1", "DP +70, FKE -0.5, Gewicht +0.25, Rückstoßkompensation +1",
                                         {add("kpd", 1), add("dp", 70), add("fke", -0.5), add("gew", 0.25)}),
                               optionRow("rück2", "DP +140, FKE -1, Gewicht +0.5, Rückstoßkompensation +2",
                                         {add("kpd", 2), add("dp", 140), add("fke", -1), add("gew", 0.5)}),
                               optionRow("rück3", "DP +210, FKE -1.5, Gewicht +0.75, Rückstoßkompensation +3",
                                         {add("kpd", 3), add("dp", 210), add("fke", -1.5), add("gew", 0.75)}),
                           }},
                          {"lauf",
                           true,
                           {
                               optionRow("lauf1", "Tarnstufe: -2, DP +15, FKE -0.5, Gewicht +0.25",
                                         {add("fke", -0.5), add("dp", 15), add("trn", -2), add("gew", 0.25)}),
                               optionRow("lauf2", "Tarnstufe: +2, DP +8, FKE -0.5, Gewicht -0.25",
                                         {add("fke", -0.5), add("dp", 8), add("trn", 2), add("gew", -0.25)}),
                           }},
                      });
}

} // namespace korvalde::page2
