#pragma once
// Critical degrees: within half a degree of a division of each quarter of
// the zodiac into seven (the circle into 28) parts.
#include <vector>

#include "state/chart_set.h"

namespace halcyra {

// Sun to Pluto, then the Moon, that stand in a critical degree. The
// longitude is reduced into its quarter (less 90 while 90 or more) and
// tested against eight closed windows from 0 to 0.5, around each multiple
// of 360/28, and from 89.5 up to 90.
std::vector<int> CriticalDegreePoints(const ChartSet& natal);

}  // namespace halcyra
