#pragma once

#include <QString>

#include <functional>

namespace korvalde::scenario {

// Keeps other runs out of one --out folder for as long as it lives: a second run with the
// same folder (under any of its names) waits until the first has finished, instead of
// emptying output folders the first is still writing. The lock is the kernel's, on the
// folder itself: it leaves no file behind and goes with the last process holding it.
class OutputLock {
public:
    // Takes the lock on `folder`; when another run holds it, calls `waiting` once and
    // waits for it.
    OutputLock(const QString &folder, const std::function<void()> &waiting);
    ~OutputLock();
    OutputLock(const OutputLock &) = delete;
    OutputLock &operator=(const OutputLock &) = delete;

    bool isHeld() const { return descriptor_ >= 0; }

private:
    int descriptor_ = -1;
};

} // namespace korvalde::scenario
