#include "reports/inter_chart_grids.h"

#include <string>

#include "platform/number_format.h"
#include "reports/aspect_grid.h"
#include "reports/chart_points.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"
#include "reports/report_names.h"
#include "shell/report_output.h"

namespace halcyra {

namespace {

constexpr int kLastHeadingPoint = LastUranianPoint;
constexpr int kEntriesPerLine = 3;

void WriteRowsAndColumnsLine(AppState& state) {
  WriteLine(state, "  Rows: " + state.chart.TransitChartName + "   Columns: " + state.chart.ChartName);
}

}  // namespace

void WriteTransitPositionsHeading(AppState& state) {
  StartReportWithChartHeader(state);
  WriteBlankLine(state);
  WriteLine(state, "  " + state.chart.TransitChartName);
  WriteCurrentDataLine(state);
  WriteBlankLine(state);
  const TransitSet& t = state.chart.transit;
  std::string line;
  int onLine = 0;
  for (int p : ListingOrder(kLastHeadingPoint)) {
    const bool retro = !t.TransitNoData[p] && RetroMark(t.TransitRetroFlags, p);
    line += (onLine == 0 ? "  " : "   ") + PointName10(p) +
            (t.TransitNoData[p] ? PadRight("--", 9) : SignDegMinText(t.TransitLong[p])) +
            (retro ? " R" : "  ");
    if (++onLine == kEntriesPerLine) {
      WriteLine(state, line);
      line.clear();
      onLine = 0;
    }
  }
  if (onLine > 0) WriteLine(state, line);
}

void WriteInterChartAspectGrid(AppState& state) {
  WriteBlankLine(state);
  WriteCrossAspectGrid(state, "INTER-CHART ASPECT GRID", TransitPoints(state.chart.transit),
                       NatalPoints(state.chart.natal));
  WriteRowsAndColumnsLine(state);
}

void WriteInterChartParallelGrid(AppState& state) {
  WriteBlankLine(state);
  WriteCrossParallelGrid(state, "INTER-CHART PARALLEL GRID", TransitPoints(state.chart.transit),
                         NatalPoints(state.chart.natal));
  WriteRowsAndColumnsLine(state);
}

}  // namespace halcyra
