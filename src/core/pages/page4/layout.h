#pragma once

#include "model/window.h"

namespace korvalde::page4 {

// The frames inside the options frame `Frame6` that group page 4's boxes.
inline constexpr auto kBarrelFrame = "Frame7";      // "Lauf-/Sonstiges Zubehör"
inline constexpr auto kBioFrame = "Frame8";         // the secondary weapon and its variants
inline constexpr auto kUnderbarrelFrame = "Frame9"; // "Unterlauf Zubehör"
inline constexpr auto kWeaponFrame = "Frame10";     // the four underbarrel weapons

// Adds page 4's option boxes into the options frame `Frame6`, in their layout state:
// captions, tooltips, which boxes are shown and which start disabled.
void layOut(Window &page);

} // namespace korvalde::page4
