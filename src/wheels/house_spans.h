#pragma once
// The width of every house of the wheel's framing cusps.
#include <array>

#include "state/points.h"

namespace halcyra {

struct HouseSpans {
  CuspTable CuspDisplayLon{};           // the framing cusps, entries 1 to 12
  std::array<double, 13> HouseSpan{};   // entry k: degrees from cusp entry k to the next
};

// Entry k is the normalized distance from cusp k to cusp k + 1 (entry 12 to
// entry 1 for k = 12). A span of exactly 277.5 below entry 12 stands for 7.5.
HouseSpans CalcHouseSpans(const CuspTable& cuspRing);

}  // namespace halcyra
