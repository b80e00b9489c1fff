#include "pages/page3/page3.h"

namespace korvalde {

namespace {

struct ListEntry {
    QString box;
    QString text;
};

// In list order; the summary boxes `gas` and `smartintern` give no entry of their own.
const ListEntry kEntries[] = {
    {"gestaltung", ", persönliche Gestaltung"},
    {"gravur", ", Gravur"},
    {"gas2", ", Gasventil (2)"},
    {"gas3", ", Gasventil (3)"},
    {"gas4", ", Gasventil (4)"},
    {"smartintern1", ", Smartgun intern (1)"},
    {"smartintern2", ", Smartgun intern (2)"},
    {"stimm", ", Stimmaktivierung"},
};

} // namespace

QString page3Entries(const Window &page)
{
    QString entries;
    for (const ListEntry &entry : kEntries) {
        if (page[entry.box].isChecked())
            entries += entry.text;
    }
    return entries;
}

} // namespace korvalde
