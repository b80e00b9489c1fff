#include "pages/page3/options.h"

#include "sheet/steps.h"

namespace korvalde::page3 {

namespace {

using namespace steps;

struct SingleOption {
    QString box;
    QString toolTip;
    Steps deltas;
};

const SingleOption kSingleOptions[] = {
    {"gestaltung", "DP +20", {add("dp", 20)}},
    {"gravur", "DP +20", {add("dp", 20)}},
    {"stimm", "DP +50, FKE -0.25", {add("fke", -0.25), add("dp", 50)}},
};

} // namespace

void attachSingleOptions(Window &page)
{
    for (const SingleOption &option : kSingleOptions)
        attachToggle(page, {option.box, option.toolTip, option.deltas, negated(option.deltas)});
}

} // namespace korvalde::page3
