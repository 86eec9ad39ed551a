#pragma once
// Charts for the wheel tests: a computed chart with its transits, and
// charts made up point by point, on a state holding the shipped option
// file and drawing tables.
#include <memory>

#include "state/app_state.h"

namespace halcyra::testing {

// A fresh state with the program folder, the shipped options and start-up
// tables, Placidus houses and the orb file NATAL.ORB.
std::unique_ptr<AppState> ShippedWheelState();

// The Apollo 11 launch (16 July 1969, 9.32 A.M., zone 4 west, 80.36 W 28.36 N,
// as in NAMES.FIL) with the transits of the landing (20 July 1969, 4.17 P.M.,
// same zone and place), computed by the chart driver.
std::unique_ptr<AppState> ApolloState();

// A made-up chart: the given longitudes (points 1 to 31, the rest 0), equal
// houses from `ascendant`, its house row, and retrograde flags where asked.
ChartSet MadeUpChart(const PointArray& longitudes, double ascendant, const std::string& retroFlags = "");

// Points 1 to 12 thirty degrees apart from `first`, one in every sign; the
// others spread round the wheel.
PointArray SpreadPoints(double first);

// TransitSelection that shows exactly the given points (1 to 13, 16 to 25).
std::string SelectionShowing(std::initializer_list<int> points);

}  // namespace halcyra::testing
