#pragma once

#include "model/application.h"

#include <QString>

#include <memory>

namespace korvalde {

// The start page: the frame catalogue, the chosen frame's FKE and DP, and the way on.
std::unique_ptr<Window> createStartPage(Application &app);

} // namespace korvalde
