#pragma once

#include "model/application.h"

#include <QString>

#include <memory>

namespace korvalde {

// The start page's button that goes on to page 2.
inline const QString kStartForwardButton = QStringLiteral("Command1");

// The start page: the frame catalogue, the chosen frame's FKE and DP, and the way on.
std::unique_ptr<Window> createStartPage(Application &app);

} // namespace korvalde
