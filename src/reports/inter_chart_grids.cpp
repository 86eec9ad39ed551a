#include "reports/inter_chart_grids.h"

#include <string>

#include "reports/aspect_grid.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"
#include "reports/report_names.h"

namespace halcyra {

namespace {

constexpr int kLastHeadingPoint = LastUranianPoint;
constexpr int kEntriesPerLine = 3;

void WriteRowsAndColumnsLine(LineSink& out, const ChartState& chart) {
  out.WriteLine("  Rows: " + chart.TransitChartName + "   Columns: " + chart.ChartName);
}

}  // namespace

void WriteTransitPositionsHeading(LineSink& out, const ChartState& chart, const ChartInput& input) {
  out.WriteBlankLine();
  out.WriteLine("  " + chart.TransitChartName);
  WriteCurrentDataLine(out, input);
  out.WriteBlankLine();
  const ChartSet& t = chart.Transit;
  std::string line;
  int onLine = 0;
  for (int p : ListingOrder(kLastHeadingPoint)) {
    const bool retro = !t.NoData[p] && t.Retrograde(p);
    line += (onLine == 0 ? "  " : "   ") + PointName10(p) +
            (t.NoData[p] ? PadRight("--", 9) : SignDegMinText(t.Long[p])) + (retro ? " R" : "  ");
    if (++onLine == kEntriesPerLine) {
      out.WriteLine(line);
      line.clear();
      onLine = 0;
    }
  }
  if (onLine > 0) out.WriteLine(line);
}

void WriteInterChartAspectGrid(LineSink& out, const ChartState& chart, const OptionTables& options) {
  out.WriteBlankLine();
  WriteCrossAspectGrid(out, "INTER-CHART ASPECT GRID", chart.Transit, chart.Natal, options);
  WriteRowsAndColumnsLine(out, chart);
}

void WriteInterChartParallelGrid(LineSink& out, const ChartState& chart, const OptionTables& options) {
  out.WriteBlankLine();
  WriteCrossParallelGrid(out, "INTER-CHART PARALLEL GRID", chart.Transit, chart.Natal, options);
  WriteRowsAndColumnsLine(out, chart);
}

}  // namespace halcyra
