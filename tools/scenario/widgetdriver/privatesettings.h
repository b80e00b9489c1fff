#pragma once

#include <QTemporaryDir>

namespace korvalde::gui {

// Keeps what the program remembers across runs (the folder saved to last) in a folder of
// this process's own while it lives: test runs side by side never see each other's
// settings, and the user's stay untouched.
class PrivateSettings {
public:
    PrivateSettings();

private:
    QTemporaryDir folder_;
};

} // namespace korvalde::gui
