// The report pages on a chart the chart driver has computed from the
// shipped tables and options, as the Data menu meets them after a chart:
// the same layout as the golden pages of the fixture chart, and bodies
// without table data shown as unavailable.
#include <gtest/gtest.h>

#include <cmath>

#include "core/chart_driver.h"
#include "platform/text_files.h"
#include "reports/fixed_stars.h"
#include "reports/data_menu_commands.h"
#include "reports/report_fixture.h"
#include "shell/report_output.h"
#include "shell/settings_files.h"
#include "shell/startup_data.h"
#include "support/test_support.h"

using namespace halcyra;
using namespace halcyra::testing;

namespace {

const StartupTables& ShippedTables() {
  static const StartupTables tables = [] {
    AppState loader;
    loader.AppPath = StagedProgramDir();
    LoadStartupData(loader, [](const std::string&) {});
    return loader.tables;
  }();
  return tables;
}

// The fixture's typed moments and places, computed by the chart driver.
std::unique_ptr<AppState> ComputedFixture(int transitYear) {
  auto state = std::make_unique<AppState>();
  state->AppPath = StagedProgramDir();
  state->tables = ShippedTables();
  LoadOptionsFile(*state);
  FillFixtureChart(*state);
  state->input.TransitYear = transitYear;
  state->input.NatalAmPmCaption = state->input.NatalAmPm;
  ComputeChartSets(*state);
  ClearReportBuffers(*state);
  return state;
}

std::vector<std::string> Golden(const std::string& name) {
  return ReadTextLines(std::string(HALCYRA_TEST_DATA) + "/reports/" + name + ".txt").value_or(
      std::vector<std::string>{});
}

}  // namespace

TEST(ComputedChart, PagesKeepTheGoldenLayout) {
  // Row labels (the first 12 columns) and line count match the fixture's
  // golden pages; positions differ from the reference ephemeris by minutes.
  const std::pair<const char*, void (*)(AppState&)> pages[] = {
      {"natal_data", NatalDataPage},
      {"data_summary", DataSummaryPage},
      {"transit_data", TransitDataPage},
  };
  auto state = ComputedFixture(2024);
  for (const auto& [name, build] : pages) {
    build(*state);
    const auto lines = PageLines(*state);
    const auto golden = Golden(name);
    ASSERT_EQ(lines.size(), golden.size()) << name;
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].substr(0, 12), golden[i].substr(0, 12)) << name << " line " << i + 1;
      EXPECT_LE(lines[i].size(), 80u) << name << " line " << i + 1;
      EXPECT_EQ(lines[i].find("--"), std::string::npos) << name << ": " << lines[i];
    }
  }
  // The shipped star notes, wrapped within 80 columns, one star line each.
  FixedStarsPage(*state);
  size_t star = 0;
  for (const std::string& line : PageLines(*state)) {
    EXPECT_LE(line.size(), 80u) << line;
    if (star < FixedStarTable.size() && line.rfind("  " + std::string(FixedStarTable[star].name) + " ", 0) == 0)
      ++star;
  }
  EXPECT_EQ(star, FixedStarTable.size());
  // The natal Sun agrees with the reference value of the fixture to 0.02 degree.
  EXPECT_NEAR(state->chart.natal.NatalLong[Sun], 354.2870, 0.02);
}

TEST(ComputedChart, TransitsPastTheTablesShowTheirBodiesAsUnavailable) {
  // 1 June 2070 lies past the daily tables (they end in March 2064).
  auto state = ComputedFixture(2070);
  const PointFlags& noData = state->chart.transit.TransitNoData;
  ASSERT_TRUE(noData[Chiron]);
  ASSERT_FALSE(noData[Sun]);

  TransitDataPage(*state);
  int unavailableRows = 0;
  for (const std::string& line : PageLines(*state))
    if (line.size() > 14 && line.compare(14, 2, "--") == 0) ++unavailableRows;
  int flagged = 0;
  for (int p = 1; p <= LastUranianPoint; ++p) flagged += noData[p] ? 1 : 0;
  EXPECT_EQ(unavailableRows, flagged);

  TransitAspectsToNatalPage(*state, {});
  for (const std::string& line : PageLines(*state))
    EXPECT_NE(line.rfind("  Chiron", 0), 0u) << "a transiting body without data in an aspect: " << line;
}
