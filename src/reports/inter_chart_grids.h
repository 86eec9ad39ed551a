#pragma once
// Grids between the natal chart and the second chart (transits or a second
// person), and the heading page that introduces the second chart.
#include "state/app_state.h"

namespace halcyra {

// StartNewPage, the natal chart header, then a blank line, "  " and the
// second chart's name, its data line, a blank line, and its points 1 to 25
// (listing order) three to a line: name(10), position(9), blank, "R" mark.
void WriteTransitPositionsHeading(AppState& state);

// Rows: the second chart's points Sun..P. Fort and house cusps 1 to 6;
// columns: the natal points P. Fort..Sun; every cell the aspect angle.
void WriteInterChartAspectGrid(AppState& state);

// Rows: the second chart's points Sun..P. Fort; columns: the natal points;
// every cell P, CP or none.
void WriteInterChartParallelGrid(AppState& state);

}  // namespace halcyra
