#include "pages/page4/options.h"

#include "model/application.h"
#include "sheet/fields.h"
#include "sheet/numbertext.h"
#include "sheet/sheet.h"
#include "wizard/windows.h"

#include <optional>

namespace korvalde::page4 {

namespace {

// The size picked in the list, or nothing while the list still shows its "0".
std::optional<double> pickedSize(const Window &page)
{
    const std::optional<double> size = parseNumber(page["vergrößert"].text());
    if (!size || *size == 0)
        return std::nullopt;
    return size;
}

// The capacity page 3 handed over: the clip replaces it and gives it back. A capacity that
// is no number ("-" after a withdrawn break action) counts as no rounds.
std::optional<QString> handedOverCapacity(const Window &page)
{
    const Window *page3 = page.app().find(windows::page3);
    if (!page3)
        return std::nullopt;
    return (*page3)[field::capacity].text();
}

double rounds(const QString &capacity)
{
    return parseNumber(capacity).value_or(0);
}

// Puts the picked clip on the sheet: `cap` shows its size, and every round more than
// `fromCapacity` costs one DP. Moving from one size to another charges the difference.
void applyPickedSize(Window &page, const QString &fromCapacity)
{
    const double difference = rounds(page["vergrößert"].text()) - rounds(fromCapacity);
    page[field::capacity].setText(page["vergrößert"].text());
    sheet::add(page, field::dp, difference);
}

void withdrawClip(Window &page, const QString &handedOver)
{
    const double difference = rounds(page[field::capacity].text()) - rounds(handedOver);
    page[field::capacity].setText(handedOver);
    sheet::add(page, field::dp, -difference);
}

} // namespace

bool isClipApplied(const Window &page)
{
    return page["ladestreifen"].isChecked() && pickedSize(page).has_value();
}

void attachEnlargedClip(Window &page)
{
    Control &box = page["ladestreifen"];
    box.setToolTip("DP +2 pro Schuß");
    box.onClick([&page, &box] {
        const std::optional<QString> handedOver = handedOverCapacity(page);
        if (!handedOver || !pickedSize(page))
            return;
        if (box.isChecked())
            applyPickedSize(page, *handedOver);
        if (box.isUnchecked())
            withdrawClip(page, *handedOver);
    });
    page["vergrößert"].onClick([&page, &box] {
        if (!pickedSize(page))
            return;
        if (box.isChecked())
            applyPickedSize(page, page[field::capacity].text());
        else
            box.setChecked(true);
    });
}

} // namespace korvalde::page4
