#pragma once

#include "model/application.h"
#include "sheet/optiongroup.h"
#include "wizard/modificationlist.h"

#include <QString>

#include <memory>

namespace korvalde {

// Page 3: gas vents, cosmetic options, voice activation and the internal smartgun.
std::unique_ptr<Window> createPage3(Application &app);

namespace page3 {
// The gas vent's summary box and its levels.
const OptionGroup &gasVent();
// What page 3 adds to the modifications list.
const ModificationEntries &modificationEntries();
} // namespace page3

} // namespace korvalde
