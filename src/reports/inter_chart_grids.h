#pragma once
// Grids between the natal chart and the second chart (transits or a second
// person), and the heading that introduces the second chart.
#include "state/chart_input.h"
#include "state/chart_state.h"
#include "state/line_sink.h"
#include "state/option_tables.h"

namespace halcyra {

// A blank line, "  " and the second chart's name, its data line, a blank
// line, and its points 1 to 25 (listing order) three to a line: name(10),
// position(9), blank, "R" mark.
void WriteTransitPositionsHeading(LineSink& out, const ChartState& chart, const ChartInput& input);

// Rows: the second chart's points Sun..P. Fort and house cusps 1 to 6;
// columns: the natal points P. Fort..Sun; every cell the aspect angle.
void WriteInterChartAspectGrid(LineSink& out, const ChartState& chart, const OptionTables& options);

// Rows: the second chart's points Sun..P. Fort; columns: the natal points;
// every cell P, CP or none.
void WriteInterChartParallelGrid(LineSink& out, const ChartState& chart, const OptionTables& options);

}  // namespace halcyra
