#pragma once

#include "model/application.h"

#include <QString>

#include <functional>
#include <vector>

namespace korvalde {

// One text a page writes into the modifications list, and the control that decides it.
struct ModificationEntry {
    enum class Shows {
        WhenChecked, // while the box is checked
        WithSteps,   // while the step list holds steps; "%1" in the text stands for them
        WhenApplied, // while `applied` says the list's pick counts
    };
    QString control;
    QString text;
    Shows shows = Shows::WhenChecked;
    std::function<bool(const Window &page)> applied = {};
};

// A page's entries in list order, each starting with ", " (or " mit " for the sight's
// options, which run on from ", Sichtgerät").
using ModificationEntries = std::vector<ModificationEntry>;

// The entries that `page` contributes as its controls stand now.
QString listedEntries(const Window &page, const ModificationEntries &entries);

// The completion page's list of modifications is rebuilt, never appended to: "Rahmen"
// followed by the entries of every page from page 2 up to and including `lastPage`, each
// page's entries in its own table order, read from that page's boxes as they are now.
// Going back and forward again therefore never repeats or loses an entry.
void rebuildModificationList(Application &app, const QString &lastPage);

} // namespace korvalde
