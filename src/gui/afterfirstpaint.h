#pragma once

#include <QWidget>

#include <functional>

namespace korvalde::gui {

// Runs `work` once, after `window` has been painted for the first time and that paint has
// reached the screen: for what the user needs soon, but not to see the window.
void afterFirstPaint(QWidget &window, std::function<void()> work);

} // namespace korvalde::gui
