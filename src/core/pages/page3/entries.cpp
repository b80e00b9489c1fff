#include "pages/page3/page3.h"

namespace korvalde::page3 {

const ModificationEntries &modificationEntries()
{
    // In list order; the summary boxes `gas` and `smartintern` give no entry of their own.
    static const ModificationEntries entries = {
        {"gestaltung", ", persönliche Gestaltung"},
        {"gravur", ", Gravur"},
        {"gas2", ", Gasventil (2)"},
        {"gas3", ", Gasventil (3)"},
        {"gas4", ", Gasventil (4)"},
        {"smartintern1", ", Smartgun intern (1)"},
        {"smartintern2", ", Smartgun intern (2)"},
        {"stimm", ", Stimmaktivierung"},
    };
    return entries;
}

} // namespace korvalde::page3
