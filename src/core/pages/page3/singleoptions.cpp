#include "pages/page3/options.h"

#include "sheet/fields.h"
#include "sheet/steps.h"

namespace korvalde::page3 {

using namespace steps;

void attachSingleOptions(Window &page)
{
    attachToggles(page, {
                            optionRow("gestaltung", "DP +20", {add(field::dp, 20)}),
                            optionRow("gravur", "DP +20", {add(field::dp, 20)}),
                            optionRow("stimm", "DP +50, FKE -0.25", {add(field::fke, -0.25), add(field::dp, 50)}),
                        });
}

} // namespace korvalde::page3
