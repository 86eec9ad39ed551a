// Return and ingress charts: complete at their moments whatever came before,
// the time rounded to the minute with its carry, searches that give up with
// a message; and the moments against the Swiss Ephemeris's crossings, to 3
// minutes (universal time run as dynamical time moves one by about a minute).
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "chart_fixture.h"
#include "core/calendar.h"
#include "core/chart_driver.h"
#include "core/declinations.h"
#include "core/house_row.h"
#include "core/return_search.h"
#include "core/table_bodies.h"
#include "ephemeris_test_support.h"

namespace halcyra {
namespace {

using namespace testing;
using Search = ReturnSearchResult (*)(AppState&);

// Nothing of one chart or its returns survives into the next: a chart and
// its returns computed after others equal the same on a fresh state, and
// every point of a return set is computed at the return moment.
TEST(ReturnCharts, AChartAndItsReturnsOweNothingToTheChartBefore) {
  const auto fresh = ComputedState(kNewYorkBirth, kLondonTransit);
  auto reused = ComputedState(kSydneyBirth, {2010, 5, 5, 5.05, "P.M.", -10, -151.12, -33.52});
  for (Search find : {FindLunarReturn, FindSolarReturn}) ASSERT_TRUE(find(*reused).found);
  SetInput(*reused, kNewYorkBirth, kLondonTransit);
  ComputeChartSets(*reused);
  const ChartState &c = reused->chart, &d = fresh->chart;
  EXPECT_TRUE(c.Natal == d.Natal && c.Prog == d.Prog && c.SolarArc == d.SolarArc && c.Transit == d.Transit);
  EXPECT_EQ(std::tie(c.NatalSolstice, c.IsNightChart, c.MoonDeclWork),
            std::tie(d.NatalSolstice, d.IsNightChart, d.MoonDeclWork));
  EXPECT_TRUE(c.Working == c.Transit);
  EXPECT_EQ(std::tie(reused->wheel.Wheel.Long, reused->wheel.Wheel2.RetroFlags),
            std::tie(c.Transit.Long, c.Transit.RetroFlags));

  for (AppState* state : {fresh.get(), reused.get()})
    for (Search find : {FindSolarReturn, FindLunarReturn}) ASSERT_TRUE(find(*state).found);
  EXPECT_TRUE(fresh->returnCharts.SolarReturn == reused->returnCharts.SolarReturn);
  EXPECT_TRUE(fresh->returnCharts.LunarReturn == reused->returnCharts.LunarReturn);
  const ChartSet& lunar = fresh->returnCharts.LunarReturn;
  EXPECT_TRUE(fresh->chart.Working == lunar);  // the search leaves its chart there

  // table bodies, derived declinations, house points and tags of the moment
  ChartSet tables;
  CalcTableBodies(lunar.Moment, fresh->tables, tables);
  for (int p = Lilith; p <= Poseidon; ++p) EXPECT_EQ(lunar.Long[p], tables.Long[p]) << p;
  EXPECT_EQ(std::tie(lunar.Long[Chiron], lunar.Decl[Chiron]), std::tie(tables.Long[Chiron], tables.Decl[Chiron]));
  EXPECT_NEAR(lunar.Long[Moon], fresh->chart.Natal.Long[Moon], ReturnSearchTolerance);
  const double eps = -fresh->chart.clock.Obliquity;  // the lunar chart came last
  for (int p : {11, 12, 14, 15, 26, 27, 28, 29, 30, 31})
    EXPECT_NEAR(lunar.Decl[p], EclipticDeclination(lunar.Long[p], eps), 1e-12) << p;
  for (int p = FirstHousePoint; p <= LastHousePoint; ++p)
    EXPECT_EQ(lunar.Long[p], lunar.Cusp[p - FirstHousePoint + 4]) << p;
  EXPECT_EQ(lunar.HouseTags, BuildPlanetHouseRow(lunar.Long, lunar.Cusp));
}

TEST(ReturnCharts, TimeIsRoundedToTheWholeMinuteWithItsCarry) {
  // seconds after noon UT of 1 January 2000, and the date and clock shown
  struct Case { double seconds; const char* dateText; double clock; const char* amPm; } const cases[] = {
      {0, "01/01/2000", 12.00, "P.M."},     {43200, "01/02/2000", 12.00, "A.M."} /* midnight */,
      {43190, "01/02/2000", 12.00, "A.M."} /* 23:59:50 carries into the date */,
      {-20, "01/01/2000", 12.00, "P.M."} /* 11:59:40 carries into the half day */,
      {43200 + 3 * 3600 + 59 * 60 + 45, "01/02/2000", 4.00, "A.M."}, {3600 + 5 * 60 + 29, "01/01/2000", 1.05, "P.M."},
      {43200 + 30 * 60, "01/02/2000", 12.30, "A.M."}, {-29.9, "01/01/2000", 12.00, "P.M."} /* 11:59:30.1 rounds up */,
      {-31, "01/01/2000", 11.59, "A.M."},
  };
  for (const Case& c : cases) {
    const ReturnTime t = ReturnTimeOfMoment(2451545 + c.seconds / 86400, 0);
    EXPECT_EQ(t.dateText + " " + t.amPm, std::string(c.dateText) + " " + c.amPm) << c.seconds;
    EXPECT_NEAR(t.clockTime, c.clock, 1e-9) << c.seconds;
  }
  // Born in Sydney on 1 January 1990, 2.00 A.M., 16h UT of 31 December: the
  // return of 2023 shows its universal date, 31 December 2022.
  auto state = ComputedState({1990, 1, 1, 2.00, "A.M.", -10, -151.12, -33.52},
                             {2023, 3, 1, 10.00, "A.M.", -10, -151.12, -33.52});
  state->services.ShowReturnWheel = [](AppState&) {};
  ASSERT_TRUE(FindSolarReturn(*state).found);
  ShowSolarReturnWheel(*state);
  EXPECT_EQ(state->wheel.WheelCaption1[2], "31 Dec 2022");
  EXPECT_EQ(state->returnCharts.DateText, "12/31/2022");
}

// A search that cannot converge stops at its step limit with a message and
// changes neither the return set nor the step it started from; a place the
// house system cannot handle is refused before the search.
TEST(ReturnCharts, FailuresAreReportedAndChangeNothing) {
  const auto state = ComputedState(kNewYorkBirth, kLondonTransit);
  for (Search find : {FindLunarReturn, FindSolarReturn}) ASSERT_TRUE(find(*state).found);
  const ReturnCharts before = state->returnCharts;
  const ReturnSeeds seeds = state->chart.returns;
  state->chart.Natal.Long[Moon] = state->chart.Natal.Long[Sun] = std::nan("");
  const ReturnSearchResult lunar = NextLunarReturn(*state), solar = NextSolarReturn(*state);
  EXPECT_EQ(std::tuple(lunar.found, lunar.steps, lunar.message),
            std::tuple(false, ReturnSearchStepLimit, std::string(LunarReturnFailedText)));
  EXPECT_EQ(std::tuple(solar.found, solar.message), std::tuple(false, std::string(SolarReturnFailedText)));
  const ReturnSeeds& now = state->chart.returns;
  const ReturnCharts& rc = state->returnCharts;
  EXPECT_EQ(std::tie(now.ReturnDay, now.SolarReturnYear), std::tie(seeds.ReturnDay, seeds.SolarReturnYear));
  EXPECT_TRUE(rc.LunarReturn == before.LunarReturn && rc.SolarReturn == before.SolarReturn);

  state->chart.returns.IngressNumber = 2;  // an ingress has a target of its own
  EXPECT_TRUE(FindSolarReturn(*state).found);
  state->chart.returns.ReturnPlace.Latitude = 80.00;  // no Placidus cusps beyond the polar circle
  const ReturnSearchResult place = FindSolarReturn(*state);
  EXPECT_EQ(std::tuple(place.found, place.message), std::tuple(false, std::string(ReturnPlaceFailedText)));
  state->options.HouseSystem = "M";
  EXPECT_TRUE(FindSolarReturn(*state).found);
}

constexpr double kThreeMinutes = 3.0 / 1440;
// Two searches of one return from different start days agree to within
// their tolerance of 0.00014 degree, a few seconds of the Moon's motion.
constexpr double kSameReturn = 5.0 / 86400;

// The Swiss Ephemeris's first crossing of `longitude` by the Sun or the Moon after fromJd (UT).
double Crossing(int body, double longitude, double fromJd) {
  const SwissEphemeris swiss;
  char err[256];
  return (body == Sun ? swe_solcross_ut : swe_mooncross_ut)(longitude, fromJd, SEFLG_SWIEPH, err);
}

// The moment a search leaves in the return set; it must be found.
double ReturnMoment(AppState& state, Search search, bool solar) {
  EXPECT_TRUE(search(state).found);
  return solar ? state.returnCharts.SolarReturn.Moment : state.returnCharts.LunarReturn.Moment;
}

// Each return, then Next and Previous walk to the neighbouring returns and back.
TEST(ReturnSearchSwe, SolarReturnsOfSuccessiveYearsAndTheirNeighbours) {
  const auto state = ComputedState(kNewYorkBirth, kLondonTransit);
  const auto sun = [natal = state->chart.Natal.Long[Sun]](double fromJd) { return Crossing(Sun, natal, fromJd); };
  int& year = state->chart.returns.SolarReturnYear;
  for (int y = 1976; y <= 2060; y += 7) {
    year = y;
    const double got = ReturnMoment(*state, FindSolarReturn, true);
    EXPECT_NEAR(got, sun(swe_julday(y, 6, 1, 0, SE_GREG_CAL)), kThreeMinutes) << "solar return " << y;
    EXPECT_NEAR(ReturnMoment(*state, NextSolarReturn, true), sun(got + 1), kThreeMinutes) << y;
    EXPECT_EQ(year, y + 1);
    EXPECT_NEAR(ReturnMoment(*state, PrevSolarReturn, true), got, kSameReturn) << y;
    EXPECT_NEAR(ReturnMoment(*state, PrevSolarReturn, true), sun(got - 370), kThreeMinutes) << y;
    EXPECT_EQ(year, y - 1);
  }
  // Born 15 October 100 (Julian): by 1582 the Julian calendar has drifted
  // eleven days from the Sun, so the search of that year, which starts on
  // 15 October, steps back across 4/15 October to the return; the return's
  // chart is that of the moment found.
  const auto early = ComputedState({100, 10, 15, 12.00, "P.M.", 0, 0.07, 51.30}, kLondonTransit);
  early->chart.returns.SolarReturnYear = 1582;
  const double got = ReturnMoment(*early, FindSolarReturn, true);
  EXPECT_NEAR(got, Crossing(Sun, early->chart.Natal.Long[Sun], swe_julday(1582, 9, 1, 0, SE_JUL_CAL)), kThreeMinutes);
  EXPECT_LT(got, DateToJulianDay(1582, 10, 15) - 0.5) << "the return lies before the switch";
  EXPECT_NEAR(early->chart.clock.ListJulianDay, got, 1e-9);
}

// The four ingresses of the transit year; born in late December, the Aries
// ingress asked for is still that of March of the transit year, not of the
// year after the birthday. The chart shows the Sun exactly on the cardinal point.
TEST(ReturnSearchSwe, IngressesOfTheTransitYear) {
  const TypedChart births[] = {kNewYorkBirth, {1980, 12, 20, 11.50, "P.M.", 0, 0.07, 51.30},
                               {1980, 12, 25, 11.50, "P.M.", 0, 0.07, 51.30},
                               {1980, 12, 31, 11.50, "P.M.", 0, 0.07, 51.30}};
  for (const TypedChart& birth : births) {
    const auto state = ComputedState(birth, kLondonTransit);
    for (int n = 1; n <= (birth.month == 12 ? 1 : 4); ++n) {
      state->chart.returns.IngressNumber = n;
      ASSERT_TRUE(FindSolarReturn(*state).found) << n;
      const double expected = Crossing(Sun, 90.0 * n - 90, swe_julday(2024, 1, 1, 0, SE_GREG_CAL));
      EXPECT_NEAR(state->returnCharts.SolarReturn.Moment, expected, kThreeMinutes)
          << "ingress " << n << " of 2024, born " << birth.month << "/" << birth.day;
      EXPECT_EQ(state->returnCharts.SolarReturn.Long[Sun], 90.0 * n - 90);
    }
  }
}

// The search may settle on the return either side of its start date. In
// 1582 the searches and Next and Previous step across 4/15 October, from
// either side of it.
TEST(ReturnSearchSwe, LunarReturnsThroughAYearAndTheirNeighbours) {
  const auto state = ComputedState(kNewYorkBirth, kLondonTransit);
  const auto moon = [natal = state->chart.Natal.Long[Moon]](double fromJd) { return Crossing(Moon, natal, fromJd); };
  struct Start { int year, month, day; };
  std::vector<Start> starts;
  for (int month = 1; month <= 12; ++month) starts.push_back({2024, month, 1});
  for (const Start s : {Start{1582, 9, 1}, {1582, 10, 1}, {1582, 10, 25}, {1582, 11, 1}}) starts.push_back(s);
  for (const auto [year, month, day] : starts) {
    state->chart.returns.ReturnDay = day;
    state->chart.returns.ReturnMonth = month;
    state->chart.returns.ReturnYear = year;
    const ReturnSearchResult r = FindLunarReturn(*state);
    ASSERT_TRUE(r.found) << month << ": " << r.message;
    EXPECT_LT(r.steps, 60);
    const double got = state->returnCharts.LunarReturn.Moment, from = DateToJulianDay(year, month, day) - 0.5;
    const double after = moon(from), before = moon(after - 29);  // the last one before `from`
    const double expected = std::fabs(got - after) < std::fabs(got - before) ? after : before;
    EXPECT_NEAR(got, expected, kThreeMinutes) << "lunar return from " << year << "-" << month << "-" << day;
    EXPECT_NEAR(ReturnMoment(*state, NextLunarReturn, false), moon(got + 1), kThreeMinutes) << month;
    EXPECT_NEAR(ReturnMoment(*state, PrevLunarReturn, false), got, kSameReturn) << month;
    EXPECT_NEAR(ReturnMoment(*state, PrevLunarReturn, false), moon(got - 29), kThreeMinutes) << month;
  }
}

}  // namespace
}  // namespace halcyra
