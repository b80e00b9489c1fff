#pragma once

#include <chrono>
#include <cstddef>

namespace korvalde::web {

// What one server allows its players, so that a busy or misbehaving client cannot hurt
// the others. The command line sets the first two; the rest are fixed, and tests shorten
// the times.
struct ServerLimits {
    // Sessions open at once, with or without a connection.
    std::size_t maxSessions = 200;
    // A session with no message for this long ends, connected or not.
    std::chrono::milliseconds idle = std::chrono::minutes(30);
    // A session whose connection dropped waits this long for its page to come back.
    std::chrono::milliseconds keepAfterDrop = std::chrono::minutes(2);
    // Messages one connection may send in a second; more are held back, then refused.
    int messagesPerSecond = 50;
};

} // namespace korvalde::web
