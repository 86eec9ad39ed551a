// Whole report pages of the Data menu for the fixture chart, against golden
// pages checked by hand once (positions against the fixture's longitudes,
// aspects against the separations and the option orbs).
#include <gtest/gtest.h>

#include "reports/data_menu_commands.h"
#include "reports/golden_page.h"
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
        if (line.find(body) != std::string::npos)
          EXPECT_NE(line.find("--"), std::string::npos) << c.golden << ": " << line;
      }
    }
  }
}

TEST(ReportPages, NatalPositionsLoadTheNatalSetIntoTheWorkingSet) {
  AppState state = FixtureState();
  state.chart.ChartKind = 3;
  NatalDataPage(state);
  EXPECT_EQ(state.chart.ChartKind, 0);
  EXPECT_EQ(state.chart.work.PointLong, state.chart.natal.NatalLong);
  EXPECT_EQ(state.chart.work.ChartCusp, state.chart.natal.NatalCusp);
  EXPECT_DOUBLE_EQ(state.chart.work.VertexLong, state.chart.natal.NatalVertex);
}

TEST(ReportPages, TransitDataLeavesChartKindAtZeroAndTheTransitSetInTheWorkingSet) {
  AppState state = FixtureState();
  state.chart.ChartKind = 2;
  TransitDataPage(state);
  EXPECT_EQ(state.chart.ChartKind, 0);
  EXPECT_EQ(state.chart.work.PointLong, state.chart.transit.TransitLong);
}

TEST(ReportPages, AspectsToTransitsLoadTheSecondChartIntoTheWorkingSet) {
  for (bool ticked : {false, true}) {
    AppState state = FixtureState();
    NatalAspectsPage(state);
    ASSERT_EQ(state.chart.work.PointLong, state.chart.natal.NatalLong);
    TransitAspectsToTransitsPage(state, {ticked, "2nd Person"});
    EXPECT_EQ(state.chart.work.PointLong, state.chart.transit.TransitLong) << "ticked " << ticked;
  }
}

TEST(ReportPages, F7CaptionFollowsTheSecondPersonBox) {
  EXPECT_EQ(TransitAspectsToTransitsCaption(true), "Natal A&spects");
  EXPECT_EQ(TransitAspectsToTransitsCaption(false), "A&spects to Transits");
}

TEST(ReportPages, ItemsWhoseSectionsAreMissingWriteNothing) {
  AppState state = FixtureState();
  PendingSections() = NotYetAvailableSections{};
  StartNewPage(state);
  EXPECT_FALSE(HoraryBasicsPage(state));
  EXPECT_FALSE(NatalMorePage(state));
  EXPECT_EQ(state.report.PageLineCount, 0);

  // Once a section is there the item writes its header and the section.
  PendingSections().WriteDecansDwads = [](AppState& s) {
    s.report.OutLine = "decans";
    WriteOutLine(s);
  };
  EXPECT_TRUE(HoraryDecansDwadsPage(state));
  const auto lines = PageLines(state);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "  Fixture Natal");
  EXPECT_EQ(lines[3], "decans");
  PendingSections() = NotYetAvailableSections{};
}
