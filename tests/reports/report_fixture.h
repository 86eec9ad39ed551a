#pragma once
// A fixed chart for the report tests, filled straight into the chart state.
#include <string>
#include <vector>

#include "state/app_state.h"

namespace halcyra::testing {

// Natal: 14 Mar 1990 10.30 P.M., zone 5 west, 42.21 NORTH 71.04 WEST
// (UT 15 Mar 1990 03:30). Second chart: transits of 1 Jun 2024 1.00 P.M.,
// zone 4 west, 40.43 NORTH 74.00 WEST (UT 17:00). Longitudes, declinations,
// cusps and special points from the Swiss Ephemeris 2.10 (geocentric,
// tropical of date, Placidus, mean node, mean apogee as Lilith, its
// hypothetical bodies 40-48 for the Uranian points and TransPluto), to four
// decimals; P. Fort = ASC + Moon - Sun. Progressed set from the same source
// at the progressed moment (JD 2447999.8623); solar arc = progressed Sun -
// natal Sun = 33.7690. Orbs: options 1..15 = 8 6 7 7 8 1 2 2 2 3 1 1 2 1 2,
// option 16 (the quintile family) = 1.
void FillFixtureChart(AppState& state);

// The fixture with the table-driven bodies (Chiron, Lilith, TransPluto and
// the Uranian points) marked as without data in every set and their values 0.
void MarkTableBodiesWithoutData(AppState& state);

// The current page's lines, without the spare entry.
std::vector<std::string> PageLines(const AppState& state);

}  // namespace halcyra::testing
