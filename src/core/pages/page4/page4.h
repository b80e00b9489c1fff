#pragma once

#include "model/application.h"
#include "wizard/modificationlist.h"

#include <QString>

#include <memory>

namespace korvalde {

// Page 4: barrel, other and underbarrel accessories.
std::unique_ptr<Window> createPage4(Application &app);

namespace page4 {
// What page 4 adds to the modifications list.
const ModificationEntries &modificationEntries();
} // namespace page4

} // namespace korvalde
