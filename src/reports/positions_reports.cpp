#include "reports/positions_reports.h"

#include <string>

#include "core/angle_helpers.h"
#include "platform/number_format.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"
#include "reports/report_names.h"

namespace halcyra {

namespace {

const std::string kNoData = "--";

// House label of point p: the first four characters of its house-tag field.
std::string HouseOfPoint(const std::string& houseTags, int point) {
  std::size_t start = static_cast<std::size_t>(point - 1) * 10;
  return start + 4 <= houseTags.size() ? houseTags.substr(start, 4) : std::string(4, ' ');
}

// The antiscion, mirrored across 0 Cancer - 0 Capricorn, in [0, 360).
double SolsticePoint(double longitude) { return Normalize360(180.0 - longitude); }

// Houses 1-6 on the left, 7-12 on the right, labels from the cusp entries.
void WriteCuspTable(LineSink& out, const CuspTable& cusps) {
  out.WriteLine("  HOUSE CUSPS");
  for (int h = 1; h <= 6; ++h) {
    const int left = CuspEntryOfHouse(h), right = CuspEntryOfHouse(h + 6);
    out.WriteLine("  " + HouseLabel(left) + "  " + SignDegMinText(cusps[left]) + std::string(10, ' ') +
                  HouseLabel(right) + "  " + SignDegMinText(cusps[right]));
  }
}

void WriteSpecialPoints(LineSink& out, const ChartSet& set) {
  out.WriteLine("  " + PadRight("Vertex", 16) + SignDegMinText(set.Vertex) + std::string(6, ' ') +
                PadRight("Equatorial ASC", 16) + SignDegMinText(set.EquatorialAsc));
  out.WriteLine("  " + PadRight("Co-ASC", 16) + SignDegMinText(set.CoAsc) + std::string(6, ' ') +
                PadRight("Polar ASC", 16) + SignDegMinText(set.PolarAsc));
}

void WritePointRows(LineSink& out, const ChartSet& set, const PointArray& solstice) {
  out.WriteLine("  " + PadRight("POINT", 12) + PadRight("POSITION", 11) + PadLeft("DECL.", 6) + "   " +
                PadRight("SOLSTICE", 12) + "HOUSE R");
  for (int p : ListingOrder(LastUranianPoint)) {
    std::string line = "  " + PointName10(p) + "  ";
    if (set.NoData[p]) {
      line += PadRight(kNoData, 9) + "  " + PadLeft(kNoData, 6) + "   " + PadRight(kNoData, 9) + "   " + kNoData;
    } else {
      line += SignDegMinText(set.Long[p]) + "  " + PadLeft(FormatNumber(set.Decl[p], "#0.00"), 6) + "   " +
              SignDegMinText(solstice[p]) + "   " + HouseOfPoint(set.HouseTags, p) +
              (set.Retrograde(p) ? "  R" : "");
    }
    out.WriteLine(line);
  }
}

}  // namespace

void WritePositions(LineSink& out, const ChartSet& set, const PointArray& solstice, bool specialPoints) {
  out.WriteBlankLine();
  WriteCuspTable(out, set.Cusp);
  out.WriteBlankLine();
  if (specialPoints) {
    WriteSpecialPoints(out, set);
    out.WriteBlankLine();
  }
  WritePointRows(out, set, solstice);
}

void WriteNatalPositionsReport(AppState& state, LineSink& out) {
  LoadListedSet(state.chart.Working, state.chart.Natal);
  state.chart.ChartKind = 0;
  WritePositions(out, state.chart.Working, state.chart.NatalSolstice, true);
}

void WritePositionsReport(AppState& state, LineSink& out) {
  out.WriteBlankLine();
  out.WriteLine("  " + state.chart.TransitChartName);
  WriteCurrentDataLine(out, state.input);
  LoadListedSet(state.chart.Working, state.chart.Transit);
  state.chart.ChartKind = 3;
  PointArray solstice{};
  for (int p = 1; p <= NumPoints; ++p) solstice[p] = SolsticePoint(state.chart.Working.Long[p]);
  WritePositions(out, state.chart.Working, solstice, false);
}

}  // namespace halcyra
