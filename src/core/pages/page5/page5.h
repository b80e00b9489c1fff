#pragma once

#include "model/application.h"

#include <QString>

#include <memory>

namespace korvalde {

// Page 5 (`Form12`): sights and electronics.
std::unique_ptr<Window> createPage5(Application &app);

// Page 5's entries of the modifications list, in table order.
QString page5Entries(const Window &page);

// One of the six mount-choice dialogs `form6` ... `Form11`.
std::unique_ptr<Window> createMountDialog(Application &app, const QString &name);

} // namespace korvalde
