#include "reports/positions_reports.h"

#include <string>

#include "core/angle_helpers.h"
#include "platform/number_format.h"
#include "reports/chart_points.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"
#include "reports/report_names.h"
#include "shell/report_output.h"

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
void WriteCuspTable(AppState& state, const CuspTable& cusps) {
  WriteLine(state, "  HOUSE CUSPS");
  for (int h = 1; h <= 6; ++h) {
    const int left = CuspEntryOfHouse(h), right = CuspEntryOfHouse(h + 6);
    WriteLine(state, "  " + HouseLabel(left) + "  " + SignDegMinText(cusps[left]) +
                         std::string(10, ' ') + HouseLabel(right) + "  " +
                         SignDegMinText(cusps[right]));
  }
}

void WriteSpecialPoints(AppState& state) {
  const WorkingSet& w = state.chart.work;
  WriteLine(state, "  " + PadRight("Vertex", 16) + SignDegMinText(w.VertexLong) +
                       std::string(6, ' ') + PadRight("Equatorial ASC", 16) +
                       SignDegMinText(w.EquatorialAscLong));
  WriteLine(state, "  " + PadRight("Co-ASC", 16) + SignDegMinText(w.CoAscLong) +
                       std::string(6, ' ') + PadRight("Polar ASC", 16) +
                       SignDegMinText(w.PolarAscLong));
}

// One row per point 1..25 in listing order:
// "  " name(10) "  " position(9) "  " decl(6) "   " solstice(9) "   " house(4) "  " R
void WritePointRows(AppState& state, const PointArray& solstice) {
  const WorkingSet& w = state.chart.work;
  WriteLine(state, "  " + PadRight("POINT", 12) + PadRight("POSITION", 11) + PadLeft("DECL.", 6) +
                       "   " + PadRight("SOLSTICE", 12) + "HOUSE R");
  for (int p : ListingOrder(LastUranianPoint)) {
    std::string line = "  " + PointName10(p) + "  ";
    if (w.NoData[p]) {
      line += PadRight(kNoData, 9) + "  " + PadLeft(kNoData, 6) + "   " + PadRight(kNoData, 9) +
              "   " + kNoData;
    } else {
      line += SignDegMinText(w.PointLong[p]) + "  " + PadLeft(FormatNumber(w.PointDecl[p], "#0.00"), 6) +
              "   " + SignDegMinText(solstice[p]) + "   " + HouseOfPoint(w.HouseTags, p) +
              (RetroMark(w.RetroFlags, p) ? "  R" : "");
    }
    WriteLine(state, line);
  }
}

void WriteWorkingSetPositions(AppState& state, const PointArray& solstice, bool specialPoints) {
  WriteBlankLine(state);
  WriteCuspTable(state, state.chart.work.ChartCusp);
  WriteBlankLine(state);
  if (specialPoints) {
    WriteSpecialPoints(state);
    WriteBlankLine(state);
  }
  WritePointRows(state, solstice);
}

}  // namespace

void LoadNatalIntoWorkingSet(ChartState& chart) {
  WorkingSet& w = chart.work;
  const NatalSet& n = chart.natal;
  w.PointLong = n.NatalLong;
  w.PointDecl = n.NatalDecl;
  w.ChartCusp = n.NatalCusp;
  w.RetroFlags = n.NatalRetroFlags;
  w.HouseTags = n.NatalHouseTags;
  w.SiderealText = n.NatalSiderealText;
  w.VertexLong = n.NatalVertex;
  w.EquatorialAscLong = n.NatalEquatorialAsc;
  w.CoAscLong = n.NatalCoAsc;
  w.PolarAscLong = n.NatalPolarAsc;
  w.NoData = n.NatalNoData;
}

void LoadTransitIntoWorkingSet(ChartState& chart) {
  WorkingSet& w = chart.work;
  const TransitSet& t = chart.transit;
  w.PointLong = t.TransitLong;
  w.PointDecl = t.TransitDecl;
  w.ChartCusp = t.TransitCusp;
  w.RetroFlags = t.TransitRetroFlags;
  w.HouseTags = t.TransitHouseTags;
  w.SiderealText = t.TransitSiderealText;
  w.NoData = t.TransitNoData;
}

void WriteNatalPositionsReport(AppState& state) {
  LoadNatalIntoWorkingSet(state.chart);
  state.chart.ChartKind = 0;
  WriteWorkingSetPositions(state, state.chart.natal.NatalSolstice, true);
}

void WritePositionsReport(AppState& state) {
  WriteBlankLine(state);
  WriteLine(state, "  " + state.chart.TransitChartName);
  WriteCurrentDataLine(state);
  LoadTransitIntoWorkingSet(state.chart);
  state.chart.ChartKind = 3;
  PointArray solstice{};
  for (int p = 1; p <= NumPoints; ++p) solstice[p] = SolsticePoint(state.chart.work.PointLong[p]);
  WriteWorkingSetPositions(state, solstice, false);
}

}  // namespace halcyra
