#pragma once

#include "model/application.h"

#include <QString>

#include <memory>

namespace korvalde {

// Page 4: barrel, other and underbarrel accessories.
std::unique_ptr<Window> createPage4(Application &app);

// Page 4's entries of the modifications list, in table order.
QString page4Entries(const Window &page);

} // namespace korvalde
