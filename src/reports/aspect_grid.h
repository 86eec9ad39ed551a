#pragma once
// Aspect grids: a 7-character row label and twelve 5-character cells per
// row (67 characters), columns P. Fort down to Sun, rows Sun up to P. Fort,
// then one row for each cusp of houses 1 to 6 (points 26 to 31).
#include <string>

#include "reports/chart_points.h"
#include "state/app_state.h"
#include "state/line_sink.h"

namespace halcyra {

// One chart against itself: longitude cells left of the "***" diagonal
// (the columns of later points), declination cells (P, CP) right of it;
// house rows hold longitude cells.
// Writes the title, a blank line, the column heading, the point rows, a
// blank line and the house rows.
void WriteSelfAspectGrid(AppState& state, const std::string& title, const ChartPoints& chart);
void WriteSelfAspectGrid(LineSink& sink, const OptionTables& options, const std::string& title,
                         const ChartPoints& chart);

// The legend line that follows a self grid.
void WriteSelfGridLegend(AppState& state);

// Rows from one chart, columns from the other, every cell a longitude cell;
// the house rows are the row chart's cusps.
void WriteCrossAspectGrid(AppState& state, const std::string& title, const ChartPoints& rows,
                          const ChartPoints& columns);

// Rows from one chart, columns from the other, every cell a declination cell.
void WriteCrossParallelGrid(AppState& state, const std::string& title, const ChartPoints& rows,
                            const ChartPoints& columns);

// Cell texts: the exact angle right-aligned in three and two blanks ("---  "
// for none); " P   ", " CP  " or "---  "; " --  " when a point has no data.
std::string LongitudeCell(const ChartPoints& a, int i, const ChartPoints& b, int j,
                          const OptionTables& options);
std::string DeclinationCell(const ChartPoints& a, int i, const ChartPoints& b, int j,
                            const OptionTables& options);

}  // namespace halcyra
