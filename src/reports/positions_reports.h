#pragma once
// Positions reports: the natal set and the transit or second-person set,
// each loaded into the working set and listed from there.
#include "state/app_state.h"

namespace halcyra {

// Copies the natal set into the working set (longitudes, declinations,
// cusps, flags, house tags, sidereal text, the four special points and the
// no-data flags), sets ChartKind to 0 and lists it with its Vertex and
// Equatorial, Co- and Polar Ascendants.
void WriteNatalPositionsReport(AppState& state);

// Writes a blank line, "  " and the second chart's name, its data line and a
// blank line, then copies the transit set into the working set, sets
// ChartKind to 3 and lists it (no special points: the transit set keeps none).
void WritePositionsReport(AppState& state);

// The natal and transit sets copied into the working set, every per-point
// table (1 to NumPoints) with its no-data flags.
void LoadNatalIntoWorkingSet(ChartState& chart);
void LoadTransitIntoWorkingSet(ChartState& chart);

}  // namespace halcyra
