#include "reports/aspect_reports.h"

#include <vector>

#include "platform/number_format.h"
#include "reports/aspect_finder.h"
#include "reports/aspect_grid.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"
#include "reports/report_names.h"

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

bool SecondChartIsPerson(const std::string& transitChartName) {
  return !transitChartName.empty() && transitChartName != "Transits";
}

}  // namespace

void WriteAspectList(LineSink& out, const ChartSet& first, const ChartSet& second, bool sameChart,
                     const std::string& firstHeading, const std::string& secondHeading, const OptionTables& options) {
  out.WriteLine("  " + PadRight(firstHeading, 10) + PadRight("ASPECT", 12) + PadRight(secondHeading, 10) + "  " +
                PadLeft("ORB", 5));
  const std::vector<Pair> pairs = PairsToTest(sameChart);
  int written = 0;
  for (const Pair& p : pairs) {
    if (first.NoData[p.first] || second.NoData[p.second]) continue;
    AspectFound found = FindAspect(first.Long[p.first], second.Long[p.second], options);
    if (found.code == 1) continue;
    out.WriteLine(ListLine(p.first, found.code, p.second, found.orb));
    ++written;
  }
  bool parallelHeadWritten = false;
  for (const Pair& p : pairs) {
    if (first.NoData[p.first] || second.NoData[p.second]) continue;
    if (p.first == Lilith || p.second == Lilith) continue;
    ParallelFound found = FindParallel(first.Decl[p.first], second.Decl[p.second], options);
    if (found.kind == DeclinationAspect::None) continue;
    if (!parallelHeadWritten && written > 0) out.WriteBlankLine();
    parallelHeadWritten = true;
    out.WriteLine(ListLine(p.first, kParallelCode, p.second, found.orb) +
                  (found.kind == DeclinationAspect::Parallel ? "  P" : "  CP"));
    ++written;
  }
  if (written == 0) out.WriteLine("  None");
}

void WriteNatalAspectReport(LineSink& out, const ChartSet& chart, const OptionTables& options) {
  out.WriteBlankLine();
  WriteSelfAspectGrid(out, "NATAL PLANET ASPECTS TO NATAL PLANETS", chart, options);
  WriteSelfGridLegend(out);
  out.WriteBlankLine();
  WriteAspectList(out, chart, chart, true, "POINT", "POINT", options);
}

void WriteTransitToTransitAspects(LineSink& out, const ChartSet& transit, const std::string& transitChartName,
                                  const OptionTables& options) {
  const std::string title = SecondChartIsPerson(transitChartName) ? "PLANET ASPECTS OF " + transitChartName
                                                                  : "TRANSITING PLANET ASPECTS TO TRANSITING PLANETS";
  out.WriteBlankLine();
  WriteSelfAspectGrid(out, title, transit, options);
  WriteSelfGridLegend(out);
  out.WriteBlankLine();
  WriteAspectList(out, transit, transit, true, "POINT", "POINT", options);
}

void WriteTransitToNatalAspects(LineSink& out, const ChartSet& transit, const ChartSet& natal,
                                const OptionTables& options) {
  out.WriteBlankLine();
  out.WriteLine(std::string(15, ' ') + "TRANSITING PLANET ASPECTS TO NATAL PLANETS");
  out.WriteBlankLine();
  WriteAspectList(out, transit, natal, false, "TRANSIT", "NATAL", options);
}

}  // namespace halcyra
