#pragma once

#include "model/application.h"

#include <memory>

namespace korvalde {

// The completion page (`Form5`): the finished sheet, its price, the name and the save.
std::unique_ptr<Window> createCompletionPage(Application &app);

} // namespace korvalde
