#pragma once

namespace korvalde::gui {

// Held while the application connects to the display. Without a display Qt aborts; under
// the guard the program says so in one German line instead and ends with status 1. When a
// display is named but the platform plugin fails, a German line leads Qt's own messages,
// which tell why. Otherwise Qt's messages of the start are held back and passed on only
// once the start succeeded.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;
};

} // namespace korvalde::gui
