#include "pages/page2/options.h"
#include "sheet/fields.h"
#include "sheet/steps.h"

namespace korvalde::page2 {

using namespace steps;

// The modifications of the frame that are one box each. The bullpup tooltip announces
// less FKE than the design costs; the box charges the design's 0.5.
void attachFrameToggles(Window &page)
{
    const QStringList concealability = {"tarn", "tarnstufe1", "tarnstufe2"};
    const Steps lockConcealability = forEach(disable, concealability);
    const Steps unlockConcealability = forEach(enable, concealability);
    attachToggles(page, {
                            optionRow("bullpup", "Tarnstufe: +2, DP +25, FKE -0.25, Rückstoßkompensation +1",
                                      {add(field::recoilCompensation, 1), add(field::dp, 25), add(field::fke, -0.5),
                                       add(field::concealment, 2)},
                                      lockConcealability, unlockConcealability),
                            optionRow("flechette", "DP +10, FKE +0.5", {add(field::fke, 0.5), add(field::dp, 10)}),
                            optionRow("zerlegbar", "DP +40, FKE -1", {add(field::dp, 40), add(field::fke, -1)}),
                            optionRow("nahkampf", "FKE -0.5, DP +15, Gewicht +0.25 kg",
                                      {add(field::dp, 15), add(field::fke, -0.5), add(field::weight, 0.25)}),
                            optionRow("größe", "DP +20", {add(field::dp, 20)}),
                            // Rapid fire raises the highest recoil level on offer; taking it back withdraws
                            // that level first.
                            optionRow("schnell", "DP +100, FKE -1.5, Gewicht +1",
                                      {add(field::dp, 100), add(field::fke, -1.5), add(field::weight, 1)},
                                      {show("rück3"), show("rück2")}, {uncheck("rück3"), show("rück2"), hide("rück3")}),
                            optionRow("schwer", "DP +25, FKE -0.25, Gewicht +0.5, Rückstoßkompensation +1",
                                      {add(field::fke, -0.25), add(field::weight, 0.5), add(field::dp, 25),
                                       add(field::recoilCompensation, 1)}),
                            optionRow("munitionswahl", "Tarnstufe -1, DP +35, FKE -0.5, Gewicht +0.1",
                                      {add(field::dp, 35), add(field::fke, -0.5), add(field::weight, 0.1),
                                       add(field::concealment, -1)}),
                        });
}

} // namespace korvalde::page2
