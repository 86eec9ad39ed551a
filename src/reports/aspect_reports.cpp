#include "reports/aspect_reports.h"

#include <vector>

#include "platform/number_format.h"
#include "reports/aspect_finder.h"
#include "reports/aspect_grid.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"
#include "reports/report_names.h"
#include "shell/report_output.h"

namespace halcyra {

namespace {

constexpr int kParallelCode = 7;

std::string ListLine(int first, int code, int second, double orb) {
  return "  " + PointName10(first) + AspectName12(code) + PointName10(second) + "  " +
         PadNumber2(FormatNumber(orb, "#0.00"));
}

struct Pair {
  int first, second;
};

std::vector<Pair> PairsToTest(bool sameChart) {
  const std::vector<int> order = ListingOrder(LastListedPoint);
  std::vector<Pair> pairs;
  for (std::size_t a = 0; a < order.size(); ++a)
    for (std::size_t b = sameChart ? a + 1 : 0; b < order.size(); ++b)
      pairs.push_back({order[a], order[b]});
  return pairs;
}

bool SecondChartIsPerson(const AppState& state) {
  const std::string& name = state.chart.TransitChartName;
  return !name.empty() && name != "Transits";
}

}  // namespace

void WriteAspectList(AppState& state, const ChartPoints& first, const ChartPoints& second,
                     bool sameChart, const std::string& firstHeading,
                     const std::string& secondHeading) {
  WriteLine(state, "  " + PadRight(firstHeading, 10) + PadRight("ASPECT", 12) +
                       PadRight(secondHeading, 10) + "  " + PadLeft("ORB", 5));
  const std::vector<Pair> pairs = PairsToTest(sameChart);
  int written = 0;
  for (const Pair& p : pairs) {
    if (first.noData[p.first] || second.noData[p.second]) continue;
    AspectFound found = FindAspect(first.longs[p.first], second.longs[p.second], state.options);
    if (found.code == 1) continue;
    WriteLine(state, ListLine(p.first, found.code, p.second, found.orb));
    ++written;
  }
  bool parallelHeadWritten = false;
  for (const Pair& p : pairs) {
    if (first.noData[p.first] || second.noData[p.second]) continue;
    if (p.first == Lilith || p.second == Lilith) continue;
    ParallelFound found = FindParallel(first.decls[p.first], second.decls[p.second], state.options);
    if (found.kind == DeclinationAspect::None) continue;
    if (!parallelHeadWritten && written > 0) WriteBlankLine(state);
    parallelHeadWritten = true;
    WriteLine(state, ListLine(p.first, kParallelCode, p.second, found.orb) +
                         (found.kind == DeclinationAspect::Parallel ? "  P" : "  CP"));
    ++written;
  }
  if (written == 0) WriteLine(state, "  None");
}

void WriteNatalAspectReport(AppState& state) {
  const ChartPoints chart = WorkingPoints(state.chart.work);
  WriteBlankLine(state);
  WriteSelfAspectGrid(state, "NATAL PLANET ASPECTS TO NATAL PLANETS", chart);
  WriteSelfGridLegend(state);
  WriteBlankLine(state);
  WriteAspectList(state, chart, chart, true, "POINT", "POINT");
}

void WriteTransitToTransitAspects(AppState& state) {
  const ChartPoints chart = TransitPoints(state.chart.transit);
  const std::string title = SecondChartIsPerson(state)
                                ? "PLANET ASPECTS OF " + state.chart.TransitChartName
                                : "TRANSITING PLANET ASPECTS TO TRANSITING PLANETS";
  WriteBlankLine(state);
  WriteSelfAspectGrid(state, title, chart);
  WriteSelfGridLegend(state);
  WriteBlankLine(state);
  WriteAspectList(state, chart, chart, true, "POINT", "POINT");
}

void WriteTransitToNatalAspects(AppState& state) {
  WriteBlankLine(state);
  WriteLine(state, std::string(15, ' ') + "TRANSITING PLANET ASPECTS TO NATAL PLANETS");
  WriteBlankLine(state);
  WriteAspectList(state, TransitPoints(state.chart.transit), NatalPoints(state.chart.natal),
                  false, "TRANSIT", "NATAL");
}

}  // namespace halcyra
