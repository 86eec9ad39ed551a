#pragma once
// Positions reports: the natal set and the transit or second-person set,
// each loaded into the working set and listed from there.
#include "state/app_state.h"
#include "state/line_sink.h"

namespace halcyra {

// A blank line, the house cusps, a blank line, the Vertex and the
// Equatorial, Co- and Polar Ascendants with a blank line (when
// specialPoints), then one row per point 1..25 in listing order:
//   "  " name(10) "  " position(9) "  " decl(6) "   " solstice(9) "   " house(4) "  " R
// each point's solstice point taken from `solstice`.
void WritePositions(LineSink& out, const ChartSet& set, const PointArray& solstice, bool specialPoints);

// Loads the natal set into the working set (LoadListedSet), sets ChartKind
// to 0 and lists it with its special points and NatalSolstice.
void WriteNatalPositionsReport(AppState& state, LineSink& out);

// Writes a blank line, "  " and the second chart's name, its data line and
// a blank line, then loads the transit set into the working set, sets
// ChartKind to 3 and lists it without special points.
void WritePositionsReport(AppState& state, LineSink& out);

}  // namespace halcyra
