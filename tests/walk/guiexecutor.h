#pragma once

#include "walk.h"

#include <memory>

namespace korvalde::walk {

// Carries out every action as user input on the real widgets; needs a QApplication.
std::unique_ptr<Executor> makeGuiExecutor();

} // namespace korvalde::walk
