// The table of houses: each row's cusps are those the house systems give
// for the row's moment (computed here from the civil date and clock time,
// independently of the listing's minute count), rows step across midnight
// into the next date, and the page's columns.
#include <gtest/gtest.h>

#include "core/chart_time.h"
#include "core/house_systems.h"
#include "reports/report_fixture.h"
#include "reports/report_headers.h"
#include "reports/table_of_houses.h"

namespace halcyra {
namespace {

// The fixture's transit place at 10.30 P.M. of 1 Jun 2024, zone 4 west.
AppState TransitAt2230(const char* system) {
  AppState state;
  testing::FillFixtureChart(state);
  state.input.ChartClockTime = 10.30f;
  state.options.HouseSystem = system;
  state.chart.clock.DayFraction = 0.125;  // the chart's own clock, to be put back
  return state;
}

TEST(TableOfHouses, RowsEqualTheHouseSystemsResults) {
  for (const char* system : {"P", "K", "C", "O", "EA", "EM", "M", "I", "R"}) {
    AppState state = TransitAt2230(system);
    const HouseTableRequest request = HouseTableFromTransit(state.input, 45, 8);
    EXPECT_NEAR(request.firstMinute, 22 * 60 + 30, 1e-3);  // from the single-precision clock time
    const auto rows = ComputeHouseTable(state, request);
    ASSERT_EQ(rows.size(), 8u);
    // the chart clock put back, and no next-day pass (it flags the node)
    EXPECT_EQ(std::tuple(state.chart.clock.DayFraction, state.chart.SkipNextDay, state.chart.Working.RetroFlags),
              std::tuple(0.125, 0, std::string(NumPoints, ' ')));
    for (std::size_t i = 0; i < rows.size(); ++i) {
      // 22:30 + 45 i minutes local = 02:30 UT of 2 June + 45 i minutes,
      // from the same single-precision clock time as the chart driver reads
      ChartMomentInput in;
      in.year = 2024, in.month = 6, in.day = 2, in.geoLong = 74.00, in.geoLat = 40.43;
      in.dayFraction = ClockDayFraction(10.30f, 4, "P.M.") - 1 + 0.75 * i / 24;
      CuspTable expected{};
      ASSERT_EQ(ComputeHouseCusps(system, ComputeChartClock(in), expected), ChartStatus::Ok);
      EXPECT_EQ(rows[i].minute, static_cast<long>(22 * 60 + 30 + 45 * i));
      ASSERT_TRUE(rows[i].cuspsFound);
      // the same moment reached by another sum, and Placidus' and Koch's
      // iterations stop within 1e-10 radian: agreement to 1e-6 degree
      for (int e = 1; e <= 12; ++e)
        EXPECT_NEAR(rows[i].cusps[e], expected[e], 1e-6) << system << " row " << i << " entry " << e;
    }
  }
}

TEST(TableOfHouses, AnswersAndPage) {
  // box answer, whole number; 0 for Cancel (""), non-positive or no number
  for (const auto& [answer, value] : {std::pair{" 24", 24}, {"60 minutes", 60}, {"", 0}, {"-5", 0}, {"abc", 0}})
    EXPECT_EQ(PositiveAnswer(answer), value) << "'" << answer << "'";

  AppState state = TransitAt2230("K");
  const HouseTableRequest request = HouseTableFromTransit(state.input, 60, 3);
  const auto rows = ComputeHouseTable(state, request);
  LineCollector out;
  WriteHouseTable(out, state.options.HouseSystem, request, rows);
  const auto& page = out.lines;
  ASSERT_EQ(page.size(), 10u);
  EXPECT_EQ(page[3], "  House system = Koch");
  EXPECT_EQ(page[4], "  Place 40.43 NORTH    74.00 WEST   TZ =   4.00");
  EXPECT_EQ(page[6], "  Date        Time       10th      11th      12th       1st       2nd       3rd");
  // 22:30, 23:30, then 00:30 of the next date; the cusps in "dd SSS mm"
  std::string row = "  02 Jun 2024 00:30";
  for (int e = 1; e <= 6; ++e) row += " " + SignDegMinText(rows[2].cusps[e]);
  EXPECT_EQ(page[9], row);
  EXPECT_EQ(page[7].substr(0, 19), "  01 Jun 2024 22:30");
}

}  // namespace
}  // namespace halcyra
