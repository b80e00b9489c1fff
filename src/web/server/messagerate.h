#pragma once

#include <chrono>

namespace korvalde::web {

// How many messages a connection may send: a steady rate, with a second's worth at once
// for a burst (a user clicking fast, a page sending its state after a reconnect).
class MessageRate {
public:
    using Clock = std::chrono::steady_clock;

    MessageRate(int perSecond, Clock::time_point now);

    // Takes one message's share when one is free at `now`.
    bool take(Clock::time_point now);
    // How long after `now` the next share is free (zero when one is).
    std::chrono::milliseconds untilFree(Clock::time_point now);

private:
    void refill(Clock::time_point now);

    double perSecond_;
    double free_;
    Clock::time_point last_;
};

} // namespace korvalde::web
