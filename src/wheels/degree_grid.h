#pragma once
// The degree grid under the text chart wheel: one column for each whole
// degree within a sign (0 to 29) and in it a cell of five lines for each
// natal point Sun to MC standing at that degree (the point, its degrees,
// its sign, its minutes, "R" when retrograde), cells of one degree stacked
// in bands by their exact place within the sign.
#include <array>
#include <string>
#include <vector>

#include "state/chart_set.h"
#include "state/line_sink.h"

namespace halcyra {

inline constexpr int GridLinesPerBand = 5;
inline constexpr int GridLineWidth = 90;  // 30 cells of 3 characters

// The bands in use, each of five 90-character lines; a degree holding more
// points than there are bands gets one more band.
std::vector<std::array<std::string, GridLinesPerBand>> DegreeGridBands(const ChartSet& natal);

// Two blank lines, the header of the degree columns, then every band in use,
// each line after two blanks.
void DrawAsciiGrid(LineSink& sink, const ChartSet& natal);

}  // namespace halcyra
