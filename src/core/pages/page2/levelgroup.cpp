#include "pages/page2/levelgroup.h"

namespace korvalde::page2 {

ToggleRow optionRow(const QString &box, const QString &toolTip, const Steps &deltas, const Steps &extraChecked,
                    const Steps &extraUnchecked)
{
    ToggleRow row = {box, toolTip, deltas, negated(deltas)};
    row.whenChecked.insert(row.whenChecked.end(), extraChecked.begin(), extraChecked.end());
    row.whenUnchecked.insert(row.whenUnchecked.end(), extraUnchecked.begin(), extraUnchecked.end());
    return row;
}

void attachLevelGroup(Window &page, const LevelGroup &group)
{
    for (const ToggleRow &level : group.levels) {
        Steps checked = {steps::check(group.summary)};
        Steps unchecked = {steps::uncheck(group.summary)};
        for (const ToggleRow &other : group.levels) {
            if (other.box == level.box)
                continue;
            checked.push_back(steps::disable(other.box));
            unchecked.push_back(steps::enable(other.box));
        }
        checked.insert(checked.end(), level.whenChecked.begin(), level.whenChecked.end());
        unchecked.insert(unchecked.end(), level.whenUnchecked.begin(), level.whenUnchecked.end());
        attachToggle(page, {level.box, level.toolTip, checked, unchecked});
    }
    if (!group.summaryWithdraws)
        return;
    Control &summary = page[group.summary];
    QStringList levels;
    for (const ToggleRow &level : group.levels)
        levels << level.box;
    summary.onClick([&page, &summary, levels] {
        if (!summary.isUnchecked())
            return;
        for (const QString &level : levels)
            page[level].setState(CheckState::Unchecked);
    });
}

void attachLevelGroups(Window &page, const std::vector<LevelGroup> &groups)
{
    for (const LevelGroup &group : groups)
        attachLevelGroup(page, group);
}

} // namespace korvalde::page2
