#pragma once

#include "model/weaponcard.h"
#include "model/window.h"

namespace korvalde::completion {

// The card the completion page prints: the saved sheet's lines, each value under the label
// the sheet gives it, with the list of modifications one entry per line.
WeaponCard weaponCard(const Window &completionPage);

} // namespace korvalde::completion
