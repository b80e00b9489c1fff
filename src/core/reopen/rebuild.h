#pragma once

#include "model/application.h"
#include "reopen/useraction.h"

#include <QStringList>

#include <vector>

namespace korvalde::reopen {

// What the user does to reach the design of a sheet, found by trying it in programs of its
// own. When no try gives the sheet, `firstMismatch` is the index of the first line that
// even the closest try (the one agreeing with most lines from the top) gets wrong; for a
// sheet cut short before its modifications list, the first missing line.
struct Rebuild {
    bool found = false;
    std::vector<UserAction> actions;
    int firstMismatch = 0;
    QString mismatchLabel; // the label of that line
    int tries = 0;
};

// The tries run in twins of `original`.
Rebuild rebuildSheet(const Application &original, const QStringList &sheetLines);

} // namespace korvalde::reopen
