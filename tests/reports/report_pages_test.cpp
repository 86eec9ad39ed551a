// Whole report pages of the Data menu for the fixture chart, against golden
// pages checked by hand once (positions against the fixture's longitudes,
// aspects against the separations and the option orbs).
#include <gtest/gtest.h>

#include "reports/data_menu_commands.h"
#include "reports/golden_page.h"
#include "reports/positions_reports.h"
#include "reports/report_fixture.h"
#include "shell/report_output.h"

using namespace halcyra;
using namespace halcyra::testing;

namespace {

struct PageCase {
  const char* golden;
  void (*build)(AppState&);
};

void TransitsToNatal(AppState& s) { TransitAspectsToNatalPage(s, {false, "2nd Person"}); }
void SecondPersonToNatal(AppState& s) {
  s.chart.TransitChartName = "Fixture Partner";
  TransitAspectsToNatalPage(s, {true, "Fixture Partner"});
}
void TransitsToTransits(AppState& s) { TransitAspectsToTransitsPage(s, {false, "2nd Person"}); }
void SecondPersonOwnAspects(AppState& s) {
  s.chart.TransitChartName = "Fixture Partner";
  TransitAspectsToTransitsPage(s, {true, "Fixture Partner"});
}

const PageCase kPages[] = {
    {"data_summary", DataSummaryPage},
    {"natal_data", NatalDataPage},
    {"natal_aspects", NatalAspectsPage},
    {"transit_data", TransitDataPage},
    {"aspects_to_natal", TransitsToNatal},
    {"aspects_to_natal_second_person", SecondPersonToNatal},
    {"aspects_to_transits", TransitsToTransits},
    {"aspects_to_transits_second_person", SecondPersonOwnAspects},
    {"fixed_stars", FixedStarsPage},
};

AppState FixtureState() {
  AppState state;
  ClearReportBuffers(state);
  FillFixtureChart(state);
  return state;
}

}  // namespace

TEST(ReportPages, MatchGoldenPagesAndStayWithin80Columns) {
  for (const PageCase& c : kPages) {
    AppState state = FixtureState();
    c.build(state);
    const auto lines = PageLines(state);
    EXPECT_TRUE(MatchesGoldenPage(c.golden, lines));
    for (size_t i = 0; i < lines.size(); ++i)
      EXPECT_LE(lines[i].size(), 80u) << c.golden << " line " << i + 1 << ": " << lines[i];
  }
}

TEST(ReportPages, TableBodiesWithoutDataPrintAsUnavailable) {
  const PageCase pages[] = {{"natal_data_no_table_data", NatalDataPage},
                            {"data_summary_no_table_data", DataSummaryPage},
                            {"natal_aspects_no_table_data", NatalAspectsPage},
                            {"aspects_to_natal_no_table_data", TransitsToNatal}};
  for (const PageCase& c : pages) {
    AppState state = FixtureState();
    MarkTableBodiesWithoutData(state);
    c.build(state);
    const auto lines = PageLines(state);
    EXPECT_TRUE(MatchesGoldenPage(c.golden, lines));
    // A body without data is never listed at 0 Aries, nor in an aspect.
    for (const std::string& line : lines) {
      EXPECT_EQ(line.find("00 ARI 00"), std::string::npos) << c.golden << ": " << line;
      for (const char* body : {"Chiron", "Lilith", "TP  ", "Cupido", "Poseidon"}) {
        if (line.find(body) != std::string::npos) {
          EXPECT_NE(line.find("--"), std::string::npos) << c.golden << ": " << line;
        }
      }
    }
  }
}

TEST(ReportPages, WorkingSetAndChartKindAfterEachCommand) {
  // command, the set the working set holds afterwards, ChartKind afterwards
  struct Case {
    const char* name;
    void (*build)(AppState&);
    bool natalInWorkingSet;
    int chartKind;
  };
  const Case cases[] = {{"natal data", NatalDataPage, true, 0},
                        {"natal aspects", NatalAspectsPage, true, 2},
                        {"transit data", TransitDataPage, false, 0},
                        {"aspects to transits", TransitsToTransits, false, 2},
                        {"second person's aspects", SecondPersonOwnAspects, false, 2}};
  for (const Case& c : cases) {
    AppState state = FixtureState();
    // The working set starts with the other chart, so every copy shows.
    if (c.natalInWorkingSet) LoadTransitIntoWorkingSet(state.chart);
    else LoadNatalIntoWorkingSet(state.chart);
    state.chart.ChartKind = 2;
    c.build(state);
    const PointArray& expected =
        c.natalInWorkingSet ? state.chart.natal.NatalLong : state.chart.transit.TransitLong;
    EXPECT_EQ(state.chart.work.PointLong, expected) << c.name;
    EXPECT_EQ(state.chart.ChartKind, c.chartKind) << c.name;
  }
}
