// The report pages of the Data menu: the small formatting routines, whole
// pages of the fixture chart against golden pages checked by hand once
// (positions against the fixture's longitudes, aspects against the
// separations and the option orbs), and the pages of a chart the chart
// driver computed, with bodies past the shipped tables shown as unavailable.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/chart_driver.h"
#include "reports/data_menu_commands.h"
#include "reports/fixed_stars.h"
#include "reports/golden_page.h"
#include "reports/positions_reports.h"
#include "reports/report_fixture.h"
#include "reports/report_headers.h"
#include "shell/report_output.h"
#include "shell/settings_files.h"
#include "shell/startup_data.h"
#include "support/test_support.h"

using namespace halcyra;
using namespace halcyra::testing;

TEST(AppendSignDegMin, NineCharactersMinutesHeldAt59) {
  // angle, expected; by hand: sign = Int(Int(a) / 30) + 1, degrees = Int(a) mod 30,
  // minutes = Int(fraction * 60 + 0.5) held at 59.
  struct Case { double angle; const char* expected; };
  const Case cases[] = {
      {0, "00 ARI 00"},       {29.9999, "29 ARI 59"},  // 59.994 rounds to 60, held at 59
      {45.9916, "15 TAU 59"}, {45.9917, "15 TAU 59"},  // 59.496 rounds down; 59.502 held
      {45.0083, "15 TAU 00"}, {45.00834, "15 TAU 01"}, // 0.498 down; 0.5004 up
      {360, "00 ARI 00"},     {-0.5, "29 PIS 30"},     // 360 is 0 Aries, not a 13th sign
  };
  for (const Case& c : cases) {
    std::string line = ">";
    AppendSignDegMin(line, c.angle);
    EXPECT_EQ(line, std::string(">") + c.expected) << "angle " << c.angle;
    EXPECT_EQ(SignDegMinText(c.angle), c.expected);
  }
  // PadNumber2: one blank before a number below ten.
  const std::pair<const char*, const char*> padded[] = {{"9.99", " 9.99"}, {"10.0", "10.0"}, {"-4", " -4"}};
  for (const auto& [text, expected] : padded) EXPECT_EQ(PadNumber2(text), expected) << text;
}

TEST(ChartDataLine, FixedColumnsWithAbsolutePlaceValues) {
  // day month year, zone, clock, latitude, longitude, texts; a three-digit
  // year keeps the columns: the date field is always 11 wide.
  struct Case { ChartDataFields fields; const char* expected; };
  const Case cases[] = {
      {{14, 3, 1990, 5, 10.30f, 42.21f, 71.04f, "P.M.", "NORTH", "WEST"},
       "  14 Mar 1990   TZ =   5.00   10.30 P.M.   42.21 NORTH    71.04 WEST"},
      {{1, 12, 2003, -10.5f, 1.05f, -33.52f, -151.13f, "A.M.", "SOUTH", "EAST"},
       "  01 Dec 2003   TZ = -10.50    1.05 A.M.   33.52 SOUTH   151.13 EAST"},
      {{9, 7, 845, 0, 12.00f, 0, 0, "A.M.", "NORTH", "EAST"},
       "  09 Jul 845    TZ =   0.00   12.00 A.M.    0.00 NORTH     0.00 EAST"},
  };
  for (const Case& c : cases) EXPECT_EQ(ChartDataLine(c.fields), c.expected);
}

namespace {

using PageBuilder = void (*)(AppState&);

void TransitsToNatal(AppState& s) { TransitAspectsToNatalPage(s, {false, "2nd Person"}); }
void TransitsToTransits(AppState& s) { TransitAspectsToTransitsPage(s, {false, "2nd Person"}); }
void SecondPersonToNatal(AppState& s) {
  s.chart.TransitChartName = "Fixture Partner";
  TransitAspectsToNatalPage(s, {true, "Fixture Partner"});
}
void SecondPersonOwnAspects(AppState& s) {
  s.chart.TransitChartName = "Fixture Partner";
  TransitAspectsToTransitsPage(s, {true, "Fixture Partner"});
}

}  // namespace

// Every page within 80 columns; with the table bodies marked without data,
// none of them listed at 0 Aries nor in an aspect.
TEST(ReportPages, MatchGoldenPagesAndTableBodiesWithoutDataPrintAsUnavailable) {
  // golden page, command, table bodies without data
  const std::tuple<const char*, PageBuilder, bool> pages[] = {
      {"headers",
       [](AppState& s) {
         StartReportWithDiurnalHeader(s);
         ReportBufferSink page(s);
         WriteCurrentDataLine(page, s.input);
       },
       false},
      {"data_summary", DataSummaryPage, false},
      {"natal_data", NatalDataPage, false},         {"natal_aspects", NatalAspectsPage, false},
      {"transit_data", TransitDataPage, false},     {"aspects_to_natal", TransitsToNatal, false},
      {"aspects_to_natal_second_person", SecondPersonToNatal, false},
      {"aspects_to_transits", TransitsToTransits, false},
      {"aspects_to_transits_second_person", SecondPersonOwnAspects, false},
      {"fixed_stars", FixedStarsPage, false},       {"natal_data_no_table_data", NatalDataPage, true},
      {"data_summary_no_table_data", DataSummaryPage, true},
      {"natal_aspects_no_table_data", NatalAspectsPage, true},
      {"aspects_to_natal_no_table_data", TransitsToNatal, true},
  };
  for (const auto& [golden, build, noTableData] : pages) {
    AppState state;
    ClearReportBuffers(state);
    FillFixtureChart(state);
    if (noTableData) MarkTableBodiesWithoutData(state);
    build(state);
    const auto lines = PageLines(state);
    EXPECT_TRUE(MatchesGoldenPage(golden, lines));
    for (const std::string& line : lines) {
      EXPECT_LE(line.size(), 80u) << golden << ": " << line;
      if (!noTableData) continue;
      EXPECT_EQ(line.find("00 ARI 00"), std::string::npos) << golden << ": " << line;
      for (const char* body : {"Chiron", "Lilith", "TP  ", "Cupido", "Poseidon"})
        if (line.find(body) != std::string::npos) {
          EXPECT_NE(line.find("--"), std::string::npos) << golden << ": " << line;
        }
    }
  }
}

// The fixture's typed moments and places computed by the chart driver with
// the shipped tables, its transits moved to 1 June 2070, past the daily
// tables (they end in March 2064): the transiting table bodies are without
// data, the natal ones are not.
TEST(ComputedChart, GoldenLayoutAndBodiesPastTheTablesUnavailable) {
  auto state = std::make_unique<AppState>();
  state->AppPath = StagedProgramDir();
  LoadStartupData(*state, [](const std::string&) {});
  LoadOptionsFile(*state);
  FillFixtureChart(*state);
  state->input.TransitYear = 2070;
  state->input.NatalAmPmCaption = state->input.NatalAmPm;
  ComputeChartSets(*state);
  ClearReportBuffers(*state);
  EXPECT_NEAR(state->chart.Natal.Long[Sun], 354.2870, 0.02);  // the fixture's reference Sun
  const PointFlags& noData = state->chart.Transit.NoData;
  ASSERT_TRUE(noData[Chiron] && !noData[Sun] && !state->chart.Natal.NoData[Chiron]);
  const int flagged = std::count(noData.begin() + 1, noData.begin() + LastUranianPoint + 1, true);
  // Line counts of the golden pages, their row labels (the first 12 columns)
  // where the page shows the natal chart, and the rows shown unavailable
  // ("--" in column 15); positions differ from the reference ephemeris by minutes.
  const std::tuple<const char*, PageBuilder, bool, int> pages[] = {{"natal_data", NatalDataPage, true, 0},
                                                                   {"data_summary", DataSummaryPage, true, 0},
                                                                   {"transit_data", TransitDataPage, false, flagged}};
  for (const auto& [name, build, natal, unavailable] : pages) {
    build(*state);
    const auto lines = PageLines(*state);
    const auto golden = ReadTextLines(GoldenPath(name)).value_or(std::vector<std::string>{});
    ASSERT_EQ(lines.size(), golden.size()) << name;
    int unavailableRows = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (natal) { EXPECT_EQ(lines[i].substr(0, 12), golden[i].substr(0, 12)) << name << " line " << i + 1; }
      EXPECT_LE(lines[i].size(), 80u) << name << " line " << i + 1;
      if (lines[i].size() > 14 && lines[i].compare(14, 2, "--") == 0) ++unavailableRows;
    }
    EXPECT_EQ(unavailableRows, unavailable) << name;
  }
  TransitAspectsToNatalPage(*state, {});
  for (const std::string& line : PageLines(*state))
    EXPECT_NE(line.rfind("  Chiron", 0), 0u) << "a transiting body without data in an aspect: " << line;

  FixedStarsPage(*state);  // the shipped star notes, wrapped within 80 columns, one star line each
  size_t star = 0;
  for (const std::string& line : PageLines(*state)) {
    EXPECT_LE(line.size(), 80u) << line;
    star += star < FixedStarTable.size() && line.starts_with("  " + std::string(FixedStarTable[star].name) + " ");
  }
  EXPECT_EQ(star, FixedStarTable.size());
}
