#pragma once

#include "model/window.h"

namespace korvalde::page2 {

// The ammunition capacity the choices give: the picked capacity while one is applied,
// otherwise 1 for a break-action, the base less 4 for a cylinder, otherwise the base.
QString capacityNow(const Window &page);

// Writes capacityNow() into `cap`; every option that touches the capacity ends here.
void writeCapacity(Window &page);

// Is a picked capacity applied? A pick locks the list until it is withdrawn.
bool capacityApplied(const Window &page);

} // namespace korvalde::page2
