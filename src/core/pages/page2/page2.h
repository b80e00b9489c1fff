#pragma once

#include "model/application.h"
#include "wizard/modificationlist.h"

#include <QString>

#include <memory>

namespace korvalde {

// Page 2: the frame profile and the modifications of the frame itself.
std::unique_ptr<Window> createPage2(Application &app);

namespace page2 {
// What page 2 adds to the modifications list.
const ModificationEntries &modificationEntries();
} // namespace page2

} // namespace korvalde
