#pragma once
// Aspect grids: a 7-character row label and twelve 5-character cells per
// row (67 characters), columns P. Fort down to Sun, rows Sun up to P. Fort,
// then one row for each cusp of houses 1 to 6 (points 26 to 31).
#include <string>

#include "state/chart_set.h"
#include "state/line_sink.h"
#include "state/option_tables.h"

namespace halcyra {

// One chart against itself: longitude cells left of the "***" diagonal
// (the columns of later points), declination cells (P, CP) right of it;
// house rows hold longitude cells.
// Writes the title, a blank line, the column heading, the point rows, a
// blank line and the house rows.
void WriteSelfAspectGrid(LineSink& out, const std::string& title, const ChartSet& chart,
                         const OptionTables& options);

// The legend line that follows a self grid.
void WriteSelfGridLegend(LineSink& out);

// Rows from one chart, columns from the other, every cell a longitude cell;
// the house rows are the row chart's cusps.
void WriteCrossAspectGrid(LineSink& out, const std::string& title, const ChartSet& rows, const ChartSet& columns,
                          const OptionTables& options);

// Rows from one chart, columns from the other, every cell a declination cell.
void WriteCrossParallelGrid(LineSink& out, const std::string& title, const ChartSet& rows,
                            const ChartSet& columns, const OptionTables& options);

// Cell texts: the exact angle right-aligned in three and two blanks ("---  "
// for none); " P   ", " CP  " or "---  "; " --  " when a point has no data.
std::string LongitudeCell(const ChartSet& a, int i, const ChartSet& b, int j, const OptionTables& options);
std::string DeclinationCell(const ChartSet& a, int i, const ChartSet& b, int j, const OptionTables& options);

}  // namespace halcyra
