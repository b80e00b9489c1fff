#pragma once

#include <array>

namespace korvalde {

// A fire mode a weapon can have: page 2's box for it and the text `pwr` shows.
struct FireMode {
    const char *box;
    const char *text;
};

namespace fire {
inline constexpr FireMode single{"modus1", "EM"};
inline constexpr FireMode semiAutomatic{"modus2", "HM"};
inline constexpr FireMode burst{"modus3", "SM"};
inline constexpr FireMode semiAndBurst{"modus4", "HM/SM"};
inline constexpr FireMode burstAndFull{"modus5", "SM/AM"};
inline constexpr FireMode semiBurstAndFull{"modus6", "HM/SM/AM"};
inline constexpr FireMode fullAutomatic{"modus7", "AM"};
// Page 4's automatic mode turns "HM/SM" into this; page 2 has no box for it.
inline constexpr const char *semiAndFull = "HM/AM";

// Page 2's boxes in their order.
inline constexpr std::array<FireMode, 7> all = {single,       semiAutomatic,    burst,        semiAndBurst,
                                                burstAndFull, semiBurstAndFull, fullAutomatic};
} // namespace fire

} // namespace korvalde
