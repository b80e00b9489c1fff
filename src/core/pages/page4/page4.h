#pragma once

#include "model/application.h"
#include "sheet/optiongroup.h"
#include "wizard/modificationlist.h"

#include <QString>

#include <memory>

namespace korvalde {

// Page 4: barrel, other and underbarrel accessories.
std::unique_ptr<Window> createPage4(Application &app);

namespace page4 {
// The underbarrel weapons under their summary box, and the biometric safety's variants
// under the secondary weapon.
const OptionGroup &underbarrelWeapons();
const OptionGroup &safetyVariants();
// What page 4 adds to the modifications list.
const ModificationEntries &modificationEntries();
} // namespace page4

} // namespace korvalde
