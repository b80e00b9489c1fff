#pragma once

namespace korvalde {

// The weapon sheet's fields: the stat panel's text fields on pages 2 to 5 and the
// completion page (the start page has `fke`, `dp` and `typ`). Each page's options change
// them and every forward step hands them on; these are their control names.
namespace field {
inline constexpr const char *dp = "dp";   // design points
inline constexpr const char *fke = "fke"; // free construction capacity
inline constexpr const char *frame = "typ";
inline constexpr const char *powerLevel = "pwn";
inline constexpr const char *damageLevel = "snw";
inline constexpr const char *fireModes = "pwr";
inline constexpr const char *concealment = "trn";
inline constexpr const char *ceramicConcealment = "trnkera";
inline constexpr const char *weight = "gew";
inline constexpr const char *capacity = "cap";
inline constexpr const char *loading = "lmm";
inline constexpr const char *belt = "Gurt";
inline constexpr const char *barrelMount = "hlt";
inline constexpr const char *topMount = "hlt2";
inline constexpr const char *underbarrelMount = "hlt3";
inline constexpr const char *recoilCompensation = "kpd";
} // namespace field

} // namespace korvalde
