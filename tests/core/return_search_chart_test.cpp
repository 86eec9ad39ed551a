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

using testing::TypedChart;

constexpr TypedChart kBirth{1975, 7, 14, 3.25, "P.M.", 5, 73.59, 40.45};
constexpr TypedChart kTransit{2024, 3, 1, 10.00, "A.M.", 0, 0.07, 51.30};
// east and south: Sydney, 2 November 1990
constexpr TypedChart kOtherBirth{1990, 11, 2, 8.40, "P.M.", -10, -151.12, -33.52};

std::unique_ptr<AppState> Chart(const TypedChart& birth, const TypedChart& transit) {
  auto state = testing::NewChartState();
  testing::SetTransitInput(*state, transit);
  testing::SetNatalInput(*state, birth);
  ComputeChartSets(*state);
  return state;
}

// Every point of a return set is computed at the return moment: a search
// after another chart gives the same set as on a fresh state.
TEST(ReturnCharts, AreCompleteWhateverChartCameBefore) {
  const auto fresh = Chart(kBirth, kTransit);
  ASSERT_TRUE(FindSolarReturn(*fresh).found);
  ASSERT_TRUE(FindLunarReturn(*fresh).found);

  auto reused = Chart(kOtherBirth, {2010, 5, 5, 5.05, "P.M.", -10, -151.12, -33.52});
  ASSERT_TRUE(FindLunarReturn(*reused).found);
  ASSERT_TRUE(FindSolarReturn(*reused).found);
  testing::SetTransitInput(*reused, kTransit);
  testing::SetNatalInput(*reused, kBirth);
  ComputeChartSets(*reused);
  ASSERT_TRUE(FindSolarReturn(*reused).found);
  ASSERT_TRUE(FindLunarReturn(*reused).found);

  const ReturnCharts& a = fresh->returnCharts;
  const ReturnCharts& b = reused->returnCharts;
  EXPECT_EQ(a.SolarReturnLong, b.SolarReturnLong);
  EXPECT_EQ(a.SolarReturnDecl, b.SolarReturnDecl);
  EXPECT_EQ(a.SolarReturnCusp, b.SolarReturnCusp);
  EXPECT_EQ(a.SolarReturnRetroFlags, b.SolarReturnRetroFlags);
  EXPECT_EQ(a.SolarReturnHouseTags, b.SolarReturnHouseTags);
  EXPECT_EQ(a.LunarReturnLong, b.LunarReturnLong);
  EXPECT_EQ(a.LunarReturnDecl, b.LunarReturnDecl);
  EXPECT_EQ(a.LunarReturnCusp, b.LunarReturnCusp);
  EXPECT_EQ(a.LunarReturnRetroFlags, b.LunarReturnRetroFlags);
}

TEST(ReturnCharts, HoldTheTableBodiesHousePointsAndDeclinationsOfTheMoment) {
  const auto state = Chart(kBirth, kTransit);
  ASSERT_TRUE(FindLunarReturn(*state).found);
  const ReturnCharts& rc = state->returnCharts;

  WorkingSet tables;
  CalcChironFromTable(rc.LunarReturnMoment, state->tables, tables);
  CalcTransPlutoFromTable(rc.LunarReturnMoment, state->tables, tables);
  CalcUranianPointsFromTable(rc.LunarReturnMoment, state->tables, tables);
  for (int p : {13, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}) {
    EXPECT_EQ(rc.LunarReturnLong[p], tables.PointLong[p]) << p;
    if (p != Lilith) {
      EXPECT_EQ(rc.LunarReturnDecl[p], tables.PointDecl[p]) << p;
    }
  }
  EXPECT_EQ(rc.LunarReturnDecl[Lilith], 0);
  // the Moon at its natal longitude, points 26 to 31 on cusps 4 to 9
  EXPECT_NEAR(rc.LunarReturnLong[Moon], state->chart.natal.NatalLong[Moon], ReturnSearchTolerance);
  for (int p = FirstHousePoint; p <= LastHousePoint; ++p)
    EXPECT_EQ(rc.LunarReturnLong[p], rc.LunarReturnCusp[p - FirstHousePoint + 4]) << p;
  // declinations of the angles and house points at the return's obliquity
  const double eps = -state->chart.clock.Obliquity;
  for (int p : {11, 12, 14, 15, 26, 27, 28, 29, 30, 31})
    EXPECT_NEAR(rc.LunarReturnDecl[p], EclipticDeclination(rc.LunarReturnLong[p], eps), 1e-12) << p;
  EXPECT_EQ(rc.LunarReturnHouseTags, BuildPlanetHouseRow(rc.LunarReturnLong, rc.LunarReturnCusp));
}

TEST(ReturnCharts, TimeIsRoundedToTheWholeMinuteWithItsCarry) {
  struct Case {
    double moment;  // JD, UT
    const char* dateText;
    double clock;
    const char* amPm;
  };
  const double noon = 2451545;  // 1 January 2000, 12h UT
  const Case cases[] = {
      {noon, "01/01/2000", 12.00, "P.M."},
      {noon + 0.5, "01/02/2000", 12.00, "A.M."},                        // midnight
      {noon + 0.5 - 10.0 / 86400, "01/02/2000", 12.00, "A.M."},          // 23:59:50 carries into the date
      {noon - 20.0 / 86400, "01/01/2000", 12.00, "P.M."},                // 11:59:40 carries into the half day
      {noon + 0.5 + (3 * 3600 + 59 * 60 + 45) / 86400.0, "01/02/2000", 4.00, "A.M."},  // 3:59:45
      {noon + (1 * 3600 + 5 * 60 + 29) / 86400.0, "01/01/2000", 1.05, "P.M."},         // 13:05:29
      {noon + 0.5 + 30 * 60 / 86400.0, "01/02/2000", 12.30, "A.M."},                    // 0:30
      {noon - 0.5 + (11 * 3600 + 59 * 60 + 29.9) / 86400.0, "01/01/2000", 11.59, "A.M."},
  };
  for (const Case& c : cases) {
    const ReturnTime t = ReturnTimeOfMoment(c.moment, 0);
    EXPECT_EQ(t.dateText, c.dateText) << std::fixed << c.moment;
    EXPECT_NEAR(t.clockTime, c.clock, 1e-9) << std::fixed << c.moment;
    EXPECT_EQ(t.amPm, c.amPm) << std::fixed << c.moment;
  }
}

// Caption of a single solar-return wheel (universal time, zone "(0)").
TEST(ReturnCharts, SolarReturnWheelAndCaption) {
  const auto state = Chart(kBirth, kTransit);
  state->chart.ChartName = "Test Person";
  int shown = 0;
  SetReturnWheelDisplay([&](AppState&) { ++shown; });
  ASSERT_TRUE(FindSolarReturn(*state).found);
  ShowSolarReturnWheel(*state);
  SetReturnWheelDisplay(nullptr);

  const ReturnCharts& rc = state->returnCharts;
  const ReturnTime t = ReturnTimeOfMoment(rc.SolarReturnMoment, 0);
  // 2023 return of the Sun to 21 Cancer 52: 14 July 2023 about 21h UT
  EXPECT_EQ(t.dateText, "07/14/2023");
  const auto& lines = state->chart.WheelCaption1;
  EXPECT_EQ(lines[1], "Test Person - solar return");
  EXPECT_EQ(lines[2], "14 Jul 2023");
  char expected[32];
  std::snprintf(expected, sizeof expected, "%.2f %s (0)", t.clockTime, t.amPm.c_str());
  EXPECT_EQ(lines[3], expected);
  EXPECT_EQ(lines[4], "0.07 WEST");
  EXPECT_EQ(lines[5], "51.30 NORTH");
  EXPECT_EQ(lines[6], rc.SolarReturnSiderealText);
  EXPECT_EQ(lines[7], "Placidus");
  for (const std::string& line : state->chart.WheelCaption2) EXPECT_EQ(line, "");

  EXPECT_EQ(shown, 1);
  EXPECT_EQ(state->flags.WheelKind, 1);
  EXPECT_EQ(state->chart.ChartKind, 4);
  EXPECT_EQ(state->wheel.ReturnsMenuVisible, 1);
  EXPECT_EQ(state->wheel.WheelLong, rc.SolarReturnLong);
  EXPECT_EQ(state->wheel.WheelHouseTags, rc.SolarReturnHouseTags);
  EXPECT_EQ(state->wheel.WheelDateText, "    2023");
  EXPECT_EQ(state->chart.work.SiderealText, rc.SolarReturnSiderealText);
}

// East and south places show magnitudes with their direction texts.
TEST(ReturnCharts, LunarReturnCaptionForAnEastSouthPlace) {
  const auto state = Chart(kBirth, {2024, 3, 1, 10.00, "A.M.", -10, -151.12, -33.52});
  state->chart.ChartName = "X";
  state->options.HouseSystem = "EA";
  ASSERT_TRUE(FindLunarReturn(*state).found);
  ShowLunarReturnWheel(*state);
  const auto& lines = state->chart.WheelCaption1;
  EXPECT_EQ(lines[1], "X - lunar return");
  EXPECT_EQ(lines[4], "151.12 EAST");
  EXPECT_EQ(lines[5], "33.52 SOUTH");
  EXPECT_EQ(lines[7], "Equal - Ascendant");
  EXPECT_NE(lines[3].find(" (0)"), std::string::npos);
  EXPECT_EQ(state->chart.ChartKind, 5);
  EXPECT_EQ(state->wheel.WheelEWText, "EAST");
  EXPECT_EQ(state->wheel.WheelNSText, "SOUTH");
}

TEST(ReturnCharts, AnIngressHasNoReturnsMenu) {
  const auto state = Chart(kBirth, kTransit);
  state->chart.returns.IngressNumber = 3;
  ASSERT_TRUE(FindSolarReturn(*state).found);
  ShowSolarReturnWheel(*state);
  EXPECT_EQ(state->wheel.ReturnsMenuVisible, 0);
  EXPECT_EQ(state->wheel.WheelLong[Sun], 180);
  EXPECT_EQ(state->wheel.WheelDateText, "    2024");
}

// A search that cannot converge stops at its step limit with a message and
// changes neither the return set nor the step it started from.
TEST(ReturnCharts, SearchesGiveUpAtTheStepLimit) {
  const auto state = Chart(kBirth, kTransit);
  ASSERT_TRUE(FindLunarReturn(*state).found);
  ASSERT_TRUE(FindSolarReturn(*state).found);
  const ReturnCharts before = state->returnCharts;
  const ReturnSeeds seeds = state->chart.returns;

  state->chart.natal.NatalLong[Moon] = std::nan("");
  state->chart.natal.NatalLong[Sun] = std::nan("");
  ReturnSearchResult r = NextLunarReturn(*state);
  EXPECT_FALSE(r.found);
  EXPECT_EQ(r.steps, ReturnSearchStepLimit);
  EXPECT_EQ(r.message, LunarReturnFailedText);
  r = NextSolarReturn(*state);
  EXPECT_FALSE(r.found);
  EXPECT_EQ(r.message, SolarReturnFailedText);
  state->chart.returns.IngressNumber = 2;
  r = FindSolarReturn(*state);
  state->chart.returns.IngressNumber = 0;
  EXPECT_TRUE(r.found);  // an ingress has a target of its own

  state->returnCharts = before;  // the ingress replaced the solar set
  r = FindSolarReturn(*state);
  EXPECT_FALSE(r.found);
  EXPECT_EQ(state->chart.returns.ReturnDay, seeds.ReturnDay);
  EXPECT_EQ(state->chart.returns.SolarReturnYear, seeds.SolarReturnYear);
  EXPECT_EQ(state->returnCharts.LunarReturnLong, before.LunarReturnLong);
  EXPECT_EQ(state->returnCharts.LunarReturnMoment, before.LunarReturnMoment);
  EXPECT_EQ(state->returnCharts.SolarReturnMoment, before.SolarReturnMoment);
}

TEST(ReturnCharts, APlaceTheHouseSystemCannotHandleIsRefused) {
  const auto state = Chart(kBirth, kTransit);
  state->chart.returns.ReturnGeoLat = 80.00;  // beyond the polar circle: no Placidus cusps
  const ReturnSearchResult r = FindSolarReturn(*state);
  EXPECT_FALSE(r.found);
  EXPECT_EQ(r.message, ReturnPlaceFailedText);
  state->options.HouseSystem = "M";
  EXPECT_TRUE(FindSolarReturn(*state).found);
}

}  // namespace
}  // namespace halcyra
