#pragma once

#include "model/window.h"

namespace korvalde::page2 {

// The click operations and tooltips of page 2's options, one family per file.
void attachFrameToggles(Window &page);
void attachSteppedModifications(Window &page);
void attachFireModes(Window &page);
void attachLoadingMechanisms(Window &page);
void attachAmmunitionCapacity(Window &page);
void attachStepPurchases(Window &page);

} // namespace korvalde::page2
