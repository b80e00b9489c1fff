#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace korvalde::reopen {

// How the user gets an entry of the modifications list onto the sheet.
enum class EntryAction {
    Check,    // check the box
    FkeSteps, // pick the number of steps in the frame's "Erhöhte FKE" list
    Weight,   // check "Gewichtsreduzierung" (its steps leave no trace in the list)
    Capacity, // pick a capacity in the ammunition list
    Clip,     // pick a size in the enlarged-clip list
};

struct ListEntry {
    QString window;
    EntryAction action;
    QString control; // the box, the list or (for steps) the lists' common prefix
    int steps = 0;
};

// The entries of a modifications list, in the order a user would set them page by page.
// Reading stops at a text no option writes: a rebuild from what came before it cannot give
// the list, but it is the closest one.
std::vector<ListEntry> readModificationList(const QString &list);

} // namespace korvalde::reopen

namespace korvalde::reopen {

// The boxes of `window` that write an entry of their own.
QStringList listedBoxes(const QString &window);

} // namespace korvalde::reopen
