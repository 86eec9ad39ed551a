// The aspect test of every grid and list at its window edges, and the report
// pages of the fixture chart against golden pages checked by hand once
// (positions against the fixture's longitudes, aspects against the
// separations and the option orbs), also with the table bodies without data.
#include <gtest/gtest.h>

#include "reports/aspect_finder.h"
#include "reports/data_menu_commands.h"
#include "reports/golden_page.h"
#include "reports/positions_reports.h"
#include "reports/report_fixture.h"
#include "reports/report_headers.h"
#include "shell/report_output.h"

using namespace halcyra;
using namespace halcyra::testing;

TEST(AspectFinder, WindowEdgesZeroAriesAndQuintileSwitch) {
  // longitudes A and B, option 16, expected code (1 = none) and orb, from the
  // fixture's orbs (8 6 7 7 8 1 2 2 2 3 1 1 2 1 2): both bounds inclusive,
  // opposition without an upper bound, quintiles only when option 16 is 1.
  struct Case { double a, b; float q; int code; double orb; };
  const Case cases[] = {
      {10, 18, 1, 2, 8},    {10, 18.001, 1, 1, 0},  // conjunction orb 8
      {0, 54, 1, 3, 6},     {0, 53.999, 1, 1, 0},   // sextile 60 - 6
      {0, 172, 1, 6, 8},    {0, 171.99, 1, 1, 0},   // opposition from 180 - 8
      {100, 280, 1, 6, 0},  {0, 147, 1, 11, 3},     // quincunx
      {0, 28, 1, 8, 2},     {0, 47, 1, 9, 2},       // semi-sextile, semi-square
      {0, 133, 1, 10, 2},   {0, 41, 1, 13, 1},      // sesquisquare, nonagen
      {0, 36, 1, 12, 0},    {0, 74, 1, 14, 2},      // semi-quintile, quintile
      {0, 109, 1, 15, 1},   {0, 146, 1, 16, 2},     // trecile, bi-quintile
      {0, 146.01, 1, 1, 0}, {359, 1, 1, 2, 2},      // bi-quintile ends; across 0 Aries
      {50, 350, 1, 3, 0},   {0, 36, 0, 1, 0},       {0, 72, 0.5f, 1, 0},    {0, 144, 0, 1, 0},
      {0, 53.9999999, 0, 3, 6.0000001},  // compared in single precision: 54, the lower bound
  };
  AppState fixture;
  FillFixtureChart(fixture);
  for (const Case& c : cases) {
    OptionTables orbs = fixture.options;
    orbs.OptionValues[16] = c.q;
    const AspectFound found = FindAspect(c.a, c.b, orbs);
    EXPECT_EQ(found.code, c.code) << c.a << " / " << c.b << " option 16 " << c.q;
    if (c.code != 1) {
      EXPECT_NEAR(found.orb, c.orb, 1e-9) << c.a << " / " << c.b;
    }
  }
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
