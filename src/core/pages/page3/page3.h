#pragma once

#include "model/application.h"

#include <QString>

#include <memory>

namespace korvalde {

// Page 3: gas vents, cosmetic options, voice activation and the internal smartgun.
std::unique_ptr<Window> createPage3(Application &app);

// Page 3's entries of the modifications list, in table order.
QString page3Entries(const Window &page);

} // namespace korvalde
