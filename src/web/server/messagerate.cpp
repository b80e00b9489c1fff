#include "messagerate.h"

#include <algorithm>
#include <cmath>

namespace korvalde::web {

MessageRate::MessageRate(int perSecond, Clock::time_point now)
    : perSecond_(std::max(1, perSecond)), free_(perSecond_), last_(now)
{
}

void MessageRate::refill(Clock::time_point now)
{
    if (now <= last_)
        return;
    const double seconds = std::chrono::duration<double>(now - last_).count();
    free_ = std::min(perSecond_, free_ + seconds * perSecond_);
    last_ = now;
}

bool MessageRate::take(Clock::time_point now)
{
    refill(now);
    if (free_ < 1.0)
        return false;
    free_ -= 1.0;
    return true;
}

std::chrono::milliseconds MessageRate::untilFree(Clock::time_point now)
{
    refill(now);
    if (free_ >= 1.0)
        return std::chrono::milliseconds(0);
    return std::chrono::milliseconds(static_cast<long long>(std::ceil((1.0 - free_) / perSecond_ * 1000.0)));
}

} // namespace korvalde::web
