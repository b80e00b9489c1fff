#include "pages/page2/capacity.h"

#include "pages/page2/options.h"
#include "sheet/fields.h"
#include "sheet/numbertext.h"
#include "sheet/sheet.h"
#include "sheet/steps.h"

#include <cmath>

namespace korvalde::page2 {

namespace {

constexpr auto kList = "munistufe";

// The capacity is charged from the frame's base: 2 DP per bullet more, 0.25 FKE per full
// pair and one Tarnstufe per full four; a smaller capacity refunds the same way.
Steps capacityDeltas(const Window &page)
{
    const std::optional<double> picked = parseNumber(page[kList].text());
    const std::optional<double> base = sheet::number(page, "muniorg");
    if (!picked || !base)
        return {};
    const auto extra = static_cast<long long>(std::nearbyint(*picked - *base));
    return {steps::add(field::dp, 2 * *picked - 2 * *base),
            steps::add(field::fke, -static_cast<double>(extra / 2) * 0.25),
            steps::add(field::concealment, -static_cast<double>(extra / 4))};
}

void pickCapacity(Window &page)
{
    Control &list = page[kList];
    if (!isTrueNumber(list.text()))
        return;
    list.setEnabled(false);
    writeCapacity(page);
    runSteps(page, capacityDeltas(page));
    page["muni"].setState(CheckState::Checked);
}

void withdrawCapacity(Window &page)
{
    Control &list = page[kList];
    if (!page["muni"].isUnchecked() || list.isEnabled())
        return;
    list.setEnabled(true);
    writeCapacity(page);
    runSteps(page, negated(capacityDeltas(page)));
}

} // namespace

bool capacityApplied(const Window &page)
{
    return !page[kList].isEnabled();
}

QString capacityNow(const Window &page)
{
    if (capacityApplied(page))
        return page[kList].text();
    if (page["lade1"].isChecked())
        return QStringLiteral("1");
    const QString base = page["muniorg"].text();
    const std::optional<double> baseNumber = parseNumber(base);
    if (page["lade3"].isChecked() && baseNumber)
        return formatNumber(*baseNumber - 4);
    return base;
}

void writeCapacity(Window &page)
{
    page[field::capacity].setText(capacityNow(page));
}

void attachAmmunitionCapacity(Window &page)
{
    page["muni"].setToolTip("Tarnstufe -1 pro 4 Kugeln, DP +2 pro Kugel, FKE -0.25 pro 2 Kugeln");
    page[kList].onClick([&page] { pickCapacity(page); });
    page["muni"].onClick([&page] { withdrawCapacity(page); });
}

} // namespace korvalde::page2
