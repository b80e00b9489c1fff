#pragma once

#include <QIcon>

namespace korvalde::gui {

// The program's own icon, drawn here like the pictures on the pages: a sight's crosshair
// over a cartridge on a dark rounded square; the same design as the icon the package
// installs for the desktop.
QIcon applicationIcon();

} // namespace korvalde::gui
