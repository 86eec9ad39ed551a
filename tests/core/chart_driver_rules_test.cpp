// The chart driver's own rules: the Part of Fortune by option 218, sect and
// house system, the progressed moment and solar arc at their limits, one
// calendar in every pass before 1582, the age in years, the progressed
// retrograde flags, and a chart that owes nothing to the one before it.
#include <gtest/gtest.h>

#include "chart_driver_fixture.h"
#include "core/angle_helpers.h"
#include "core/chart_driver.h"
#include "core/chart_time.h"
#include "core/ephemeris_driver.h"
#include "core/table_bodies.h"

namespace halcyra {
namespace {

using namespace testing;

// The same birth at 3.25 A.M.: the Sun below the horizon, a night chart.
constexpr TypedChart kNightBirth{1975, 7, 14, 3.25, "A.M.", 5, 73.59, 40.45};

TEST(ChartDriverRules, PartOfFortuneByOptionSectAndTheAscendant) {
  // Cusp entry 4 is not the Ascendant in "EM", "M" and "I"; the Part counts
  // from the Ascendant all the same.
  struct Case {
    const TypedChart* birth;
    const char* system;
    float option218;
    int night;       // expected IsNightChart
    bool byNight;    // expected formula: Sun + Asc - Moon, else Moon + Asc - Sun
  } const cases[] = {
      {&kNewYorkBirth, "P", 0, 0, false}, {&kNewYorkBirth, "P", 1, 0, true},  {&kNewYorkBirth, "P", 2, 0, false},
      {&kNightBirth, "P", 0, 1, false},   {&kNightBirth, "P", 1, 1, true},    {&kNightBirth, "P", 2, 1, true},
      {&kNightBirth, "P", 7, 1, true},    {&kNewYorkBirth, "EM", 2, 0, false}, {&kNightBirth, "M", 2, 1, true},
      {&kNewYorkBirth, "I", 0, 0, false},
  };
  for (const Case& c : cases) {
    const auto state = ComputedState(*c.birth, kLondonTransit, c.system, c.option218);
    const PointArray& p = state->chart.natal.NatalLong;
    EXPECT_EQ(state->chart.natal.IsNightChart, c.night) << c.birth->amPm << " " << c.system << " " << c.option218;
    const double expected = NormalizeDegrees(c.byNight ? p[Sun] + p[Ascendant] - p[Moon] : p[Moon] + p[Ascendant] - p[Sun]);
    EXPECT_NEAR(p[PartOfFortune], expected, 1e-9) << c.birth->amPm << " " << c.system << " " << c.option218;
  }
}

TEST(ChartDriverRules, ProgressedMomentAndSolarArcAtTheirLimits) {
  // transits at the birth moment: no arc, the progressed set is the natal one
  auto state = ComputedState(kNewYorkBirth, kNewYorkBirth);
  const ChartState& same = state->chart;
  EXPECT_DOUBLE_EQ(same.moments.ProgMoment, same.moments.NatalMoment);
  EXPECT_LT(ArcGap(same.arc.SolarArc, 0), 1e-4);
  for (int p = 1; p <= NumPoints; ++p) EXPECT_LT(ArcGap(same.arc.SolarArcLong[p], same.natal.NatalLong[p]), 1e-4) << p;
  for (int p = Sun; p <= NorthNode; ++p) EXPECT_NEAR(same.prog.ProgLong[p], same.natal.NatalLong[p], 1e-9) << p;
  EXPECT_LT(ArcGap(same.prog.ProgLong[Midheaven], same.natal.NatalLong[Midheaven]), 1e-4);

  // 1 January 2001 0h UT to 1 January 2002 6h UT, 365.25 days: one day on
  state = ComputedState({2001, 1, 1, 12.00, "A.M.", 0, 0, 0.01}, {2002, 1, 1, 6.00, "A.M.", 0, 0, 0.01});
  EXPECT_NEAR(state->chart.moments.NatalMoment, 2451910.5, 1e-9);
  EXPECT_NEAR(state->chart.moments.ProgMoment, 2451911.5, 1e-9);

  // before the Gregorian reform every pass counts Julian-calendar days:
  // 1 March 1500 is day 2268993 (counted by hand), and the quick progressed
  // pass agrees with the natal pass
  state = ComputedState({1500, 3, 1, 12.00, "P.M.", 0, 0, 45.00}, {1500, 3, 1, 12.00, "P.M.", 0, 0, 45.00});
  EXPECT_DOUBLE_EQ(state->chart.moments.NatalMoment, 2268993.0);
  EXPECT_LT(ArcGap(state->chart.arc.SolarArc, 0), 1e-4);
}

TEST(ChartDriverRules, AgeIsTheYearOfTheLastBirthdayLessTheBirthYear) {
  struct Case {
    int month, day, lastBirthday, age;
  } const cases[] = {{3, 1, 2023, 48}, {7, 13, 2023, 48}, {7, 14, 2024, 49}, {12, 31, 2024, 49}};
  for (const Case& c : cases) {
    const auto state = ComputedState(kNewYorkBirth, {2024, c.month, c.day, 10.00, "A.M.", 0, 0.07, 51.30});
    EXPECT_EQ(state->chart.moments.AgeYears, c.age) << c.month << "/" << c.day;
    EXPECT_EQ(state->chart.returns.SolarReturnYear, c.lastBirthday) << c.month << "/" << c.day;
  }
}

// Points 2 to 11 flagged by the motion at the progressed moment, Chiron and
// the table-driven points by their tables at that moment, never by the
// natal flags. Born 14 June 1975, Cupido, Apollon and Poseidon are
// retrograde; 48 days on they are direct.
TEST(ChartDriverRules, ProgressedRetrogradeFlagsAreTheProgressedMotionAlone) {
  const auto state = ComputedState({1975, 6, 14, 3.25, "P.M.", 5, 73.59, 40.45}, kLondonTransit);
  const ChartState& chart = state->chart;
  const double moment = chart.moments.ProgMoment;
  WorkingSet tables, bodies;
  EphemerisState ephem;
  for (auto* calc : {CalcChironFromTable, CalcTransPlutoFromTable, CalcUranianPointsFromTable})
    calc(moment, state->tables, tables);
  const DayMoment m = SplitMoment(moment);
  const double t = CenturiesFrom1900(m.jday, m.dayFraction);
  CalcPlanetPositions({m.jday, m.dayFraction, t, -DegToRad(MeanObliquityDeg(t)), 0, 0}, 0, bodies, ephem);
  const std::string expected = bodies.RetroFlags.substr(0, 12) + tables.RetroFlags.substr(12);
  EXPECT_EQ(chart.prog.ProgRetroFlags, expected);
  for (int p : {Cupido, Apollon, Poseidon}) {
    EXPECT_EQ(chart.natal.NatalRetroFlags[p - 1], 'R') << p;
    EXPECT_EQ(chart.prog.ProgRetroFlags[p - 1], ' ') << p;
  }
}

// Nothing of one chart survives into the next: a chart computed after
// another equals the same chart on a fresh state. Afterwards the working
// set and the wheel's outer set hold the transits.
TEST(ChartDriverRules, AChartOwesNothingToTheChartBeforeIt) {
  auto reused = ComputedState(kNightBirth, {1990, 11, 2, 8.40, "P.M.", -10, -151.12, -33.52});
  SetInput(*reused, kNewYorkBirth, kLondonTransit);
  ComputeChartSets(*reused);
  const auto fresh = ComputedState(kNewYorkBirth, kLondonTransit);
  const ChartState &a = reused->chart, &b = fresh->chart;
  EXPECT_EQ(a.natal.NatalLong, b.natal.NatalLong);
  EXPECT_EQ(a.natal.NatalDecl, b.natal.NatalDecl);
  EXPECT_EQ(a.natal.PlanetSpeed, b.natal.PlanetSpeed);
  EXPECT_EQ(a.natal.NatalRetroFlags, b.natal.NatalRetroFlags);
  EXPECT_EQ(a.natal.NatalHouseTags, b.natal.NatalHouseTags);
  EXPECT_EQ(a.prog.ProgLong, b.prog.ProgLong);
  EXPECT_EQ(a.prog.ProgDecl, b.prog.ProgDecl);
  EXPECT_EQ(a.prog.ProgCusp, b.prog.ProgCusp);
  EXPECT_EQ(a.prog.ProgRetroFlags, b.prog.ProgRetroFlags);
  EXPECT_EQ(a.arc.SolarArcLong, b.arc.SolarArcLong);
  EXPECT_EQ(a.transit.TransitLong, b.transit.TransitLong);
  EXPECT_EQ(a.transit.TransitDecl, b.transit.TransitDecl);
  EXPECT_EQ(a.transit.TransitRetroFlags, b.transit.TransitRetroFlags);

  EXPECT_EQ(a.ChartKind, 3);
  EXPECT_EQ(a.work.PointLong, a.transit.TransitLong);
  EXPECT_EQ(reused->wheel.WheelLong, a.transit.TransitLong);
  EXPECT_EQ(reused->wheel.WheelRetroFlags2, a.transit.TransitRetroFlags);
  for (const auto* decl : {&a.natal.NatalDecl, &a.prog.ProgDecl, &a.transit.TransitDecl}) EXPECT_EQ((*decl)[Lilith], 0);
}

}  // namespace
}  // namespace halcyra
