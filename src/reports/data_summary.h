#pragma once
// The data summary: the chart's settings and the four chart sets side by side.
#include <string>

#include "state/chart_state.h"
#include "state/line_sink.h"

namespace halcyra {

// A blank line, "  DATA SUMMARY", a blank line, the house system, the natal
// and second-chart sidereal times, the progressed date (on the natal set's
// clock) and the solar arc; then one row per point 1..25 (listing order)
// and one per house cusp 1..12:
//   "  " name(10), then for natal, progressed, solar arc and the second
//   chart "  " position(9) and "R" or a blank.
void WriteDataSummaryReport(LineSink& out, const ChartState& chart, const std::string& houseSystem);

// Name of a house-system code; any code not named is Regiomontanus.
std::string HouseSystemName(const std::string& code);

}  // namespace halcyra
