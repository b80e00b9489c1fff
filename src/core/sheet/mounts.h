#pragma once

#include "sheet/fields.h"

namespace korvalde {

// A mount of the weapon. Its sheet field names it while it is free and is emptied when an
// accessory takes it. Page 5 records the top and the underbarrel mount as taken in a
// hidden flag; the mount-choice dialogs have a box for each of the two.
struct Mount {
    const char *field;    // the sheet field naming the mount while it is free
    const char *freeText; // what that field reads while the mount is free
    const char *flag;     // page 5's hidden "taken" flag; none for the barrel mount
    const char *box;      // the dialogs' box for this mount; none for the barrel mount
};

inline constexpr Mount kBarrelMount = {field::barrelMount, "Lauf", "", ""};
inline constexpr Mount kTopMount = {field::topMount, "Aufmontiert", "Check1", "aufmontiert"};
inline constexpr Mount kUnderbarrelMount = {field::underbarrelMount, "Unterlauf", "Check2", "unterlauf"};

} // namespace korvalde
