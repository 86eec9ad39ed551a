// The return and ingress charts: complete at the return moment whatever
// chart came before, put on the single wheel with their caption, the time
// rounded to the whole minute with its carry, and searches that give up
// with a message instead of looping.
#include <gtest/gtest.h>

#include <cmath>

#include "chart_driver_fixture.h"
#include "core/chart_driver.h"
#include "core/declinations.h"
#include "core/house_row.h"
#include "core/return_search.h"
#include "core/table_bodies.h"

namespace halcyra {
namespace {

using namespace testing;

// Every point of a return set is computed at the return moment: the same
// set after another chart and its returns as on a fresh state, the table
// bodies, house points, declinations and house tags of that moment.
TEST(ReturnCharts, AreCompleteAtTheReturnMoment) {
  const auto fresh = ComputedState(kNewYorkBirth, kLondonTransit);
  ASSERT_TRUE(FindSolarReturn(*fresh).found);
  ASSERT_TRUE(FindLunarReturn(*fresh).found);
  auto reused = ComputedState({1990, 11, 2, 8.40, "P.M.", -10, -151.12, -33.52},
                              {2010, 5, 5, 5.05, "P.M.", -10, -151.12, -33.52});
  ASSERT_TRUE(FindLunarReturn(*reused).found);
  ASSERT_TRUE(FindSolarReturn(*reused).found);
  SetInput(*reused, kNewYorkBirth, kLondonTransit);
  ComputeChartSets(*reused);
  ASSERT_TRUE(FindSolarReturn(*reused).found);
  ASSERT_TRUE(FindLunarReturn(*reused).found);
  const ReturnCharts &a = fresh->returnCharts, &b = reused->returnCharts;
  EXPECT_EQ(a.SolarReturnLong, b.SolarReturnLong);
  EXPECT_EQ(a.SolarReturnDecl, b.SolarReturnDecl);
  EXPECT_EQ(a.SolarReturnRetroFlags, b.SolarReturnRetroFlags);
  EXPECT_EQ(a.LunarReturnLong, b.LunarReturnLong);
  EXPECT_EQ(a.LunarReturnDecl, b.LunarReturnDecl);
  EXPECT_EQ(a.LunarReturnCusp, b.LunarReturnCusp);

  WorkingSet tables;
  for (auto* calc : {CalcChironFromTable, CalcTransPlutoFromTable, CalcUranianPointsFromTable})
    calc(a.LunarReturnMoment, fresh->tables, tables);
  for (int p : {13, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}) EXPECT_EQ(a.LunarReturnLong[p], tables.PointLong[p]) << p;
  EXPECT_EQ(a.LunarReturnDecl[Chiron], tables.PointDecl[Chiron]);
  EXPECT_EQ(a.LunarReturnDecl[Lilith], 0);
  EXPECT_NEAR(a.LunarReturnLong[Moon], fresh->chart.natal.NatalLong[Moon], ReturnSearchTolerance);
  const double eps = -fresh->chart.clock.Obliquity;  // the lunar chart came last
  for (int p : {11, 12, 14, 15, 26, 27, 28, 29, 30, 31})
    EXPECT_NEAR(a.LunarReturnDecl[p], EclipticDeclination(a.LunarReturnLong[p], eps), 1e-12) << p;
  for (int p = FirstHousePoint; p <= LastHousePoint; ++p)
    EXPECT_EQ(a.LunarReturnLong[p], a.LunarReturnCusp[p - FirstHousePoint + 4]) << p;
  EXPECT_EQ(a.LunarReturnHouseTags, BuildPlanetHouseRow(a.LunarReturnLong, a.LunarReturnCusp));
}

TEST(ReturnCharts, TimeIsRoundedToTheWholeMinuteWithItsCarry) {
  const double noon = 2451545;  // 1 January 2000, 12h UT
  struct Case {
    double seconds;  // after noon UT
    const char* dateText;
    double clock;
    const char* amPm;
  } const cases[] = {
      {0, "01/01/2000", 12.00, "P.M."},
      {43200, "01/02/2000", 12.00, "A.M."},                      // midnight
      {43190, "01/02/2000", 12.00, "A.M."},                      // 23:59:50 carries into the date
      {-20, "01/01/2000", 12.00, "P.M."},                        // 11:59:40 carries into the half day
      {43200 + 3 * 3600 + 59 * 60 + 45, "01/02/2000", 4.00, "A.M."},
      {3600 + 5 * 60 + 29, "01/01/2000", 1.05, "P.M."},
      {43200 + 30 * 60, "01/02/2000", 12.30, "A.M."},
      {-(29.9 + 60 * 0), "01/01/2000", 12.00, "P.M."},           // 11:59:30.1 rounds up
      {-(31 + 60 * 0), "01/01/2000", 11.59, "A.M."},
  };
  for (const Case& c : cases) {
    const ReturnTime t = ReturnTimeOfMoment(noon + c.seconds / 86400, 0);
    EXPECT_EQ(t.dateText, c.dateText) << c.seconds;
    EXPECT_NEAR(t.clockTime, c.clock, 1e-9) << c.seconds;
    EXPECT_EQ(t.amPm, c.amPm) << c.seconds;
  }
}

// The single return wheels: sets, place, kind, Returns menu and caption
// (universal time marked "(0)", place as magnitudes with their directions).
TEST(ReturnCharts, WheelAndCaption) {
  auto state = ComputedState(kNewYorkBirth, kLondonTransit);
  state->chart.ChartName = "Test Person";
  int shown = 0;
  SetReturnWheelDisplay([&](AppState&) { ++shown; });
  ASSERT_TRUE(FindSolarReturn(*state).found);
  ShowSolarReturnWheel(*state);
  const ReturnCharts& rc = state->returnCharts;
  const ReturnTime t = ReturnTimeOfMoment(rc.SolarReturnMoment, 0);
  char time[32];
  std::snprintf(time, sizeof time, "%.2f %s (0)", t.clockTime, t.amPm.c_str());
  const std::string solarLines[] = {"",      "Test Person - solar return", "14 Jul 2023", time, "0.07 WEST",
                                    "51.30 NORTH", rc.SolarReturnSiderealText, "Placidus"};
  for (int i = 0; i <= 7; ++i) EXPECT_EQ(state->chart.WheelCaption1[i], solarLines[i]) << i;
  for (const std::string& line : state->chart.WheelCaption2) EXPECT_EQ(line, "");
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(state->flags.WheelKind, 1);
  EXPECT_EQ(state->chart.ChartKind, 4);
  EXPECT_EQ(state->wheel.ReturnsMenuVisible, 1);
  EXPECT_EQ(state->wheel.WheelLong, rc.SolarReturnLong);
  EXPECT_EQ(state->wheel.WheelHouseTags, rc.SolarReturnHouseTags);
  EXPECT_EQ(state->wheel.WheelDateText, "    2023");

  state = ComputedState(kNewYorkBirth, {2024, 3, 1, 10.00, "A.M.", -10, -151.12, -33.52});
  state->chart.ChartName = "X";
  state->options.HouseSystem = "EA";
  ASSERT_TRUE(FindLunarReturn(*state).found);
  ShowLunarReturnWheel(*state);
  const auto& lunar = state->chart.WheelCaption1;
  EXPECT_EQ(lunar[1], "X - lunar return");
  EXPECT_EQ(lunar[3].substr(lunar[3].size() - 4), " (0)");
  EXPECT_EQ(lunar[4], "151.12 EAST");
  EXPECT_EQ(lunar[5], "33.52 SOUTH");
  EXPECT_EQ(lunar[7], "Equal - Ascendant");
  EXPECT_EQ(state->chart.ChartKind, 5);
  EXPECT_EQ(state->wheel.WheelNSText, "SOUTH");

  state->chart.returns.IngressNumber = 3;  // an ingress has no next or previous
  state->wheel.ReturnsMenuVisible = 0;
  ASSERT_TRUE(FindSolarReturn(*state).found);
  ShowSolarReturnWheel(*state);
  EXPECT_EQ(state->wheel.ReturnsMenuVisible, 0);
  EXPECT_EQ(state->wheel.WheelLong[Sun], 180);
  EXPECT_EQ(shown, 3);
  SetReturnWheelDisplay(nullptr);
}

// A search that cannot converge stops at its step limit with a message and
// changes neither the return set nor the step it started from; a place the
// house system cannot handle is refused before the search.
TEST(ReturnCharts, FailuresAreReportedAndChangeNothing) {
  const auto state = ComputedState(kNewYorkBirth, kLondonTransit);
  ASSERT_TRUE(FindLunarReturn(*state).found);
  ASSERT_TRUE(FindSolarReturn(*state).found);
  const ReturnCharts before = state->returnCharts;
  const ReturnSeeds seeds = state->chart.returns;
  state->chart.natal.NatalLong[Moon] = std::nan("");
  state->chart.natal.NatalLong[Sun] = std::nan("");
  const ReturnSearchResult lunar = NextLunarReturn(*state);
  EXPECT_FALSE(lunar.found);
  EXPECT_EQ(lunar.steps, ReturnSearchStepLimit);
  EXPECT_EQ(lunar.message, LunarReturnFailedText);
  const ReturnSearchResult solar = NextSolarReturn(*state);
  EXPECT_FALSE(solar.found);
  EXPECT_EQ(solar.message, SolarReturnFailedText);
  EXPECT_EQ(state->chart.returns.ReturnDay, seeds.ReturnDay);
  EXPECT_EQ(state->chart.returns.SolarReturnYear, seeds.SolarReturnYear);
  EXPECT_EQ(state->returnCharts.LunarReturnLong, before.LunarReturnLong);
  EXPECT_EQ(state->returnCharts.LunarReturnMoment, before.LunarReturnMoment);
  EXPECT_EQ(state->returnCharts.SolarReturnMoment, before.SolarReturnMoment);

  state->chart.returns.IngressNumber = 2;  // an ingress has a target of its own
  EXPECT_TRUE(FindSolarReturn(*state).found);
  state->chart.returns.ReturnGeoLat = 80.00;  // no Placidus cusps beyond the polar circle
  const ReturnSearchResult place = FindSolarReturn(*state);
  EXPECT_FALSE(place.found);
  EXPECT_EQ(place.message, ReturnPlaceFailedText);
  state->options.HouseSystem = "M";
  EXPECT_TRUE(FindSolarReturn(*state).found);
}

}  // namespace
}  // namespace halcyra
