#pragma once

#include "sheet/steps.h"

#include <vector>

namespace korvalde::page2 {

// An option whose uncheck reverses its deltas; `extraChecked` and `extraUnchecked` (the
// switching of other boxes and texts) run after the deltas.
ToggleRow optionRow(const QString &box, const QString &toolTip, const Steps &deltas, const Steps &extraChecked = {},
                    const Steps &extraUnchecked = {});

// A stepped option: a summary box and exclusive level (or variant) boxes. Exclusivity comes
// from disabling the other levels, never from unchecking them. A level's own steps run
// after the summary box is set and the other levels are switched.
struct LevelGroup {
    QString summary;
    // Unchecking the summary box withdraws the chosen level; fire mode and loading
    // mechanism are withdrawn only through their variant boxes.
    bool summaryWithdraws;
    std::vector<ToggleRow> levels;
};

void attachLevelGroup(Window &page, const LevelGroup &group);
void attachLevelGroups(Window &page, const std::vector<LevelGroup> &groups);

} // namespace korvalde::page2
