#pragma once

#include "model/application.h"
#include "wizard/modificationlist.h"

#include <QString>

#include <memory>

namespace korvalde {

// Page 5 (`Form12`): sights and electronics.
std::unique_ptr<Window> createPage5(Application &app);

namespace page5 {
// What page 5 adds to the modifications list.
const ModificationEntries &modificationEntries();
} // namespace page5

// One of the six mount-choice dialogs `form6` ... `Form11`.
std::unique_ptr<Window> createMountDialog(Application &app, const QString &name);

} // namespace korvalde
