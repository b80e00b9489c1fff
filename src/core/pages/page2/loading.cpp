#include "pages/page2/capacity.h"
#include "pages/page2/options.h"
#include "sheet/fields.h"
#include "sheet/steps.h"
#include "wizard/windows.h"

namespace korvalde::page2 {

using namespace steps;

// Break-action, stripper clip, cylinder and magazine exclude each other; the belt goes with
// any of them. Only the stripper clip offers ammunition selection and page 4's enlarged
// clip. What a mechanism switches off elsewhere stays off when it is withdrawn, except
// where a row switches it back.
void attachLoadingMechanisms(Window &page)
{
    const Step capacity = run(writeCapacity);
    const Steps hideCapacityChoice = {hide("muni"), hide("munistufe")};
    const Steps showCapacityChoice = {show("muni"), show("munistufe")};
    attachLevelGroup(
        page, {"lade",
               false,
               {
                   {"lade1",
                    "Tarnstufe: +1, DP -5",
                    {add(field::dp, -5), add(field::concealment, 1), disable("munitionswahl"),
                     setText(field::loading, " Klapp "), capacity, disable(on(windows::page4, "ladestreifen"))},
                    joined({{capacity, add(field::dp, 5), add(field::concealment, -1), setText(field::loading, " - ")},
                            hideCapacityChoice})},
                   {"lade2",
                    "Tarnstufe: +1, DP +10",
                    {enable("munitionswahl"), capacity, add(field::dp, 10), add(field::concealment, -1),
                     setText(field::loading, "Streifen"), enable(on(windows::page4, "ladestreifen")),
                     enable(on(windows::page4, "vergrößert"))},
                    {disable(on(windows::page4, "ladestreifen")), disable(on(windows::page4, "vergrößert")),
                     add(field::dp, -10), disable("munitionswahl"), uncheck("munitionswahl"),
                     add(field::concealment, 1), setText(field::loading, " - ")}},
                   {"lade3", "Tarnstufe: +1, DP +8",
                    joined({{disable("munitionswahl"), add(field::dp, 8), add(field::concealment, -1),
                             setText(field::loading, "Trommel"), disable(on(windows::page4, "schall")), capacity},
                            showCapacityChoice,
                            {disable(on(windows::page4, "ladestreifen"))}}),
                    joined({{add(field::dp, -8), add(field::concealment, 1), setText(field::loading, " - ")},
                            hideCapacityChoice,
                            {enable(on(windows::page4, "schall")), capacity}})},
                   {"lade4", "DP +5",
                    joined({{add(field::dp, 5), disable("munitionswahl")},
                            showCapacityChoice,
                            {setText(field::loading, "Magazin"), disable(on(windows::page4, "ladestreifen")),
                             disable(on(windows::page4, "vergrößert"))}}),
                    joined({{add(field::dp, -5)}, hideCapacityChoice, {setText(field::loading, " - ")}})},
               }});
    attachToggle(page, optionRow("lade5", "DP +10", {add(field::dp, 10)}, {setText(field::belt, "/ Gurt")},
                                 {setText(field::belt, " ")}));
}

} // namespace korvalde::page2
