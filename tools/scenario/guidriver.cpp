#include "driver.h"

namespace korvalde::scenario {

std::unique_ptr<Driver> makeGuiDriver()
{
    return nullptr;
}

} // namespace korvalde::scenario
