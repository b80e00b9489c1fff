#include "pages/page2/layout.h"
#include "pages/page2/options.h"
#include "sheet/fields.h"
#include "sheet/numbertext.h"
#include "sheet/steps.h"

#include <vector>

namespace korvalde::page2 {

namespace {

using namespace steps;

// A modification bought in steps: a pick in the frame's step list applies the steps and
// locks the list; unchecking the summary box withdraws them and unlocks it.
struct StepPurchase {
    QString summary;
    QString toolTip;
    Steps perStep;
};

const std::vector<StepPurchase> kPurchases = {
    {"gewicht",
     "DP +5 pro Gewichtsstufe, Gewicht -0.25 pro Gewichtsstufe",
     {add(field::weight, -0.25), add(field::dp, 5)}},
    {"mehr", "DP +10 pro Stufe, FKE +0.25 pro Stufe", {add(field::fke, 0.25), add(field::dp, 10)}},
};

void pick(Window &page, const StepPurchase &purchase, Control &list)
{
    const std::optional<double> steps = parseNumber(list.text());
    if (!steps || *steps == 0)
        return;
    page[purchase.summary].setState(CheckState::Checked);
    runSteps(page, scaled(purchase.perStep, *steps));
    list.setEnabled(false);
}

// Only a locked list holds applied steps; an unlocked one (still "0" or "16 Stufen")
// has nothing to withdraw.
void withdraw(Window &page, const StepPurchase &purchase)
{
    if (!page[purchase.summary].isUnchecked())
        return;
    for (const QString &name : stepListsOf(purchase.summary)) {
        Control &list = page[name];
        if (list.isEnabled())
            continue;
        runSteps(page, scaled(purchase.perStep, -parseNumber(list.text()).value_or(0)));
        list.setText(QStringLiteral("0"));
        list.setEnabled(true);
    }
}

} // namespace

void attachStepPurchases(Window &page)
{
    for (const StepPurchase &purchase : kPurchases) {
        page[purchase.summary].setToolTip(purchase.toolTip);
        page[purchase.summary].onClick([&page, &purchase] { withdraw(page, purchase); });
        for (const QString &name : stepListsOf(purchase.summary)) {
            Control &list = page[name];
            list.onClick([&page, &purchase, &list] { pick(page, purchase, list); });
        }
    }
}

} // namespace korvalde::page2
