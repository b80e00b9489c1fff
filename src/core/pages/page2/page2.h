#pragma once

#include "model/application.h"

#include <QString>

#include <memory>

namespace korvalde {

// Page 2: the frame profile and the modifications of the frame itself.
std::unique_ptr<Window> createPage2(Application &app);

// Page 2's entries of the modifications list, in table order.
QString page2Entries(const Window &page);

} // namespace korvalde
