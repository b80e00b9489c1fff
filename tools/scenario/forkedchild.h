#pragma once

#include <QByteArray>

#include <sys/types.h>

#include <functional>
#include <optional>
#include <vector>

namespace korvalde::scenario {

// A copy of this process, forked to run one scenario: it starts with everything the tool
// has already loaded and prepared, and a crash or a hang ends only the copy.
class ForkedChild {
public:
    ForkedChild() = default;
    ForkedChild(const ForkedChild &) = delete;
    ForkedChild &operator=(const ForkedChild &) = delete;
    ~ForkedChild(); // closes the pipe; never waits for or kills the copy

    // Forks. The copy closes `inherited` (the pipes of its siblings), sends its standard
    // output into a pipe read here, discards its standard error, runs `body` and ends with
    // its result. False when no copy could be made.
    bool start(const std::function<int()> &body, const std::vector<int> &inherited);

    // The end of the pipe read here, or -1 once the copy's output has ended.
    int outputDescriptor() const { return output_; }
    // Appends what the copy wrote since the last call; returns the number of bytes.
    qsizetype readOutput(QByteArray &into);
    // Collects the copy once it has ended, without waiting: true if it ended by returning.
    std::optional<bool> reap();
    // Kills the copy and collects it.
    void kill();

private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::optional<bool> ended_;
};

} // namespace korvalde::scenario
