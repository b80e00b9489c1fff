#pragma once

#include "model/window.h"

namespace korvalde::page3 {

// The gas vent: the summary box `gas` takes the barrel mount and blocks page 4's sawn-off
// shotgun; the level boxes `gas2` to `gas4` buy recoil compensation.
void attachGasVent(Window &page);

// Personal design, engraving and voice activation: fixed costs, no further switching.
void attachSingleOptions(Window &page);

// The internal smartgun: the summary box `smartintern` locks page 5's external system, the
// level boxes cost the frame's price and make voice activation available.
void attachSmartgun(Window &page);

} // namespace korvalde::page3
