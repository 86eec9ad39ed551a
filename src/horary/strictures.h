#pragma once
// The strictures and warnings against judging a horary chart.
#include <string>
#include <vector>

#include "state/chart_set.h"

namespace halcyra {

// The warnings that hold for the chart, in this order: Ascendant early
// (below 3 degrees of its sign) or late (27 or more), Saturn in the 1st or
// the 7th house, Saturn ruling the 7th (its cusp in Capricorn or Aquarius),
// the Moon in a late degree, the Moon and then the Ascendant point in the
// Via Combusta (15 Libra up to 15 Scorpio). Texts without leading blanks,
// such as "ASCENDANT is early.".
std::vector<std::string> StricturesOf(const ChartSet& natal);

}  // namespace halcyra
