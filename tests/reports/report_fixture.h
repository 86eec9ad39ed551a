#pragma once
// A fixed chart for the report tests, filled straight into the chart state.
#include <string>
#include <vector>

#include "state/app_state.h"

namespace halcyra::testing {

// Natal 14 Mar 1990 10.30 P.M. (zone 5 west, 42.21 N 71.04 W), transits of
// 1 Jun 2024 1.00 P.M. (zone 4 west, 40.43 N 74.00 W) and the progressed set;
// positions from tests/data/reports/fixture_chart.dat (Swiss Ephemeris).
// Solar arc 33.7690; orbs of options 1..16 = 8 6 7 7 8 1 2 2 2 3 1 1 2 1 2 1.
void FillFixtureChart(AppState& state);

// The fixture with the table-driven bodies (Chiron, Lilith, TransPluto and
// the Uranian points) marked as without data in every set and their values 0.
void MarkTableBodiesWithoutData(AppState& state);

// The current page's lines, without the spare entry.
std::vector<std::string> PageLines(const AppState& state);

}  // namespace halcyra::testing
