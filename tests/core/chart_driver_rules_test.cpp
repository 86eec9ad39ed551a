// The chart driver's own rules: the Part of Fortune by option 218 and by
// day and night, the progressed moment and solar arc at their limits, one
// calendar for every pass before 1582, the age in years, the progressed
// retrograde flags, the per-chart resets, and a chart that owes nothing to
// the chart computed before it.
#include <gtest/gtest.h>

#include <cmath>

#include "chart_driver_fixture.h"
#include "core/angle_helpers.h"
#include "core/chart_driver.h"
#include "core/ephemeris_driver.h"
#include "core/chart_time.h"
#include "core/table_bodies.h"

#ifdef HALCYRA_HAVE_SWE
#include <swephexp.h>
#endif

namespace halcyra {
namespace {

using testing::ArcGap;
using testing::TypedChart;

// New York, 14 July 1975: at 3.25 P.M. the Sun stands above the horizon (a
// day chart), at 3.25 A.M. below it (a night chart).
constexpr TypedChart kDayBirth{1975, 7, 14, 3.25, "P.M.", 5, 73.59, 40.45};
constexpr TypedChart kNightBirth{1975, 7, 14, 3.25, "A.M.", 5, 73.59, 40.45};
constexpr TypedChart kTransit{2024, 3, 1, 10.00, "A.M.", 0, 0.07, 51.30};

std::unique_ptr<AppState> Computed(const TypedChart& natal, const TypedChart& transit,
                                   const std::string& system = "P", float option218 = 2) {
  auto state = testing::NewChartState();
  state->options.HouseSystem = system;
  state->options.OptionValues[218] = option218;
  testing::SetTransitInput(*state, transit);
  testing::SetNatalInput(*state, natal);
  ComputeChartSets(*state);
  return state;
}

double DayFortune(const PointArray& p) { return NormalizeDegrees(p[Moon] + p[Ascendant] - p[Sun]); }
double NightFortune(const PointArray& p) { return NormalizeDegrees(p[Sun] + p[Ascendant] - p[Moon]); }

TEST(ChartDriverRules, PartOfFortuneByOption218AndBySect) {
  struct Case {
    const TypedChart* birth;
    float option218;
    int night;          // expected IsNightChart
    bool nightFormula;  // expected formula
  };
  const Case cases[] = {
      {&kDayBirth, 0, 0, false},   {&kDayBirth, 1, 0, true},   {&kDayBirth, 2, 0, false},
      {&kNightBirth, 0, 1, false}, {&kNightBirth, 1, 1, true}, {&kNightBirth, 2, 1, true},
      {&kNightBirth, 7, 1, true},  // any value but 0 and 1 goes by the sect
  };
  for (const Case& c : cases) {
    const auto state = Computed(*c.birth, kTransit, "P", c.option218);
    const NatalSet& natal = state->chart.natal;
    EXPECT_EQ(natal.IsNightChart, c.night) << c.birth->amPm << " option " << c.option218;
    const double expected = c.nightFormula ? NightFortune(natal.NatalLong) : DayFortune(natal.NatalLong);
    EXPECT_NEAR(natal.NatalLong[PartOfFortune], expected, 1e-9) << c.birth->amPm << " option " << c.option218;
  }
}

// Cusp entry 4 is not the Ascendant in these systems; the Part of Fortune
// still counts from the Ascendant.
TEST(ChartDriverRules, PartOfFortuneCountsFromTheAscendantInEveryHouseSystem) {
  for (const char* system : {"EM", "M", "I", "P", "EA"}) {
    const auto state = Computed(kDayBirth, kTransit, system, 0);
    const NatalSet& natal = state->chart.natal;
    EXPECT_NEAR(natal.NatalLong[PartOfFortune], DayFortune(natal.NatalLong), 1e-9) << system;
    const std::string code = system;
    if (code == "EM" || code == "M" || code == "I") {
      EXPECT_GT(ArcGap(natal.NatalCusp[4], natal.NatalLong[Ascendant]), 0.1) << system;
    }
  }
}

TEST(ChartDriverRules, TransitAtTheBirthMomentGivesNoArc) {
  const auto state = Computed(kDayBirth, kDayBirth);
  const ChartState& chart = state->chart;
  EXPECT_DOUBLE_EQ(chart.moments.ProgMoment, chart.moments.NatalMoment);
  EXPECT_LT(ArcGap(chart.arc.SolarArc, 0), 1e-4);
  for (int p = 1; p <= NumPoints; ++p) EXPECT_LT(ArcGap(chart.arc.SolarArcLong[p], chart.natal.NatalLong[p]), 1e-4) << p;
  for (int p = Sun; p <= NorthNode; ++p) EXPECT_NEAR(chart.prog.ProgLong[p], chart.natal.NatalLong[p], 1e-9) << p;
  EXPECT_LT(ArcGap(chart.prog.ProgLong[Midheaven], chart.natal.NatalLong[Midheaven]), 1e-4);
  EXPECT_EQ(chart.moments.AgeYears, 0);
}

TEST(ChartDriverRules, AYearOfLifeProgressesOneDay) {
  // 1 January 2001 0h UT to 1 January 2002 6h UT: 365.25 days
  const TypedChart birth{2001, 1, 1, 12.00, "A.M.", 0, 0, 0.01};
  const TypedChart transit{2002, 1, 1, 6.00, "A.M.", 0, 0, 0.01};
  const auto state = Computed(birth, transit);
  EXPECT_NEAR(state->chart.moments.NatalMoment, 2451910.5, 1e-9);
  EXPECT_NEAR(state->chart.moments.ProgMoment, state->chart.moments.NatalMoment + 1, 1e-9);
  EXPECT_EQ(state->chart.moments.AgeYears, 1);
}

// One day-number rule for every pass: a chart before the Gregorian reform
// whose transits are its own moment has a solar arc of nothing.
TEST(ChartDriverRules, ChartsBefore1582UseOneCalendarInEveryPass) {
  const TypedChart birth{1500, 3, 1, 12.00, "P.M.", 0, 0, 45.00};
  const auto state = Computed(birth, birth);
  const ChartState& chart = state->chart;
  EXPECT_LT(ArcGap(chart.arc.SolarArc, 0), 1e-4);
  EXPECT_NEAR(chart.moments.ProgSunLong, chart.natal.NatalLong[Sun], 1e-6);
  // 1 March 1500 is a Julian-calendar date: day 2268993 (Julian-calendar
  // day count, computed by hand), noon UT
  EXPECT_DOUBLE_EQ(chart.moments.NatalMoment, 2268993.0);
#ifdef HALCYRA_HAVE_SWE
  swe_set_ephe_path(const_cast<char*>("/usr/share/libswe/ephe"));
  double xx[6];
  char err[256];
  swe_calc_ut(swe_julday(1500, 3, 1, 12, SE_JUL_CAL), SE_SUN, SEFLG_MOSEPH, xx, err);
  EXPECT_LT(ArcGap(chart.natal.NatalLong[Sun], xx[0]), 0.05);
#endif
}

TEST(ChartDriverRules, AgeIsTheYearOfTheLastBirthdayLessTheBirthYear) {
  struct Case {
    TypedChart transit;
    int lastBirthday, age;
  };
  const Case cases[] = {
      {{2024, 3, 1, 10.00, "A.M.", 0, 0.07, 51.30}, 2023, 48},   // birthday still to come
      {{2024, 7, 14, 10.00, "A.M.", 0, 0.07, 51.30}, 2024, 49},  // on the birthday
      {{2024, 12, 31, 10.00, "A.M.", 0, 0.07, 51.30}, 2024, 49},
  };
  for (const Case& c : cases) {
    const auto state = Computed(kDayBirth, c.transit);
    EXPECT_EQ(state->chart.moments.AgeYears, c.age) << c.transit.month << "/" << c.transit.day;
    EXPECT_EQ(state->chart.returns.SolarReturnYear, c.lastBirthday);
  }
}

// The progressed flags: points 2 to 11 from the motion at the progressed
// moment, Chiron and the table-driven points from their tables at that
// moment, never the natal flags.
TEST(ChartDriverRules, ProgressedRetrogradeFlagsAreTheProgressedMotionAlone) {
  // born 14 June 1975, when Cupido, Kronos and Poseidon were retrograde;
  // 48 days on, at the progressed moment, they are direct
  const auto state = Computed({1975, 6, 14, 3.25, "P.M.", 5, 73.59, 40.45}, kTransit);
  const ChartState& chart = state->chart;

  WorkingSet tables;
  tables.RetroFlags.assign(NumPoints, ' ');
  const double progMoment = chart.moments.ProgMoment;
  CalcChironFromTable(progMoment, state->tables, tables);
  CalcTransPlutoFromTable(progMoment, state->tables, tables);
  CalcUranianPointsFromTable(progMoment, state->tables, tables);
  WorkingSet bodies;
  EphemerisState ephem;
  const DayMoment m = SplitMoment(progMoment);
  const double t = CenturiesFrom1900(m.jday, m.dayFraction);
  CalcPlanetPositions({m.jday, m.dayFraction, t, -DegToRad(MeanObliquityDeg(t)), 0, 0}, 0, bodies, ephem);

  const std::string expected = bodies.RetroFlags.substr(0, 12) + tables.RetroFlags.substr(12);
  EXPECT_EQ(chart.prog.ProgRetroFlags, expected);
  // the chart is chosen so that some natal flag is not a progressed one
  bool natalOnly = false;
  for (int p = Chiron; p <= LastUranianPoint; ++p)
    natalOnly |= chart.natal.NatalRetroFlags[p - 1] == 'R' && expected[p - 1] == ' ';
  EXPECT_TRUE(natalOnly) << "natal " << chart.natal.NatalRetroFlags << "\nprog  " << expected;
}

TEST(ChartDriverRules, EveryChartStartsFromFreshTablesAndSeeds) {
  auto state = testing::NewChartState();
  ChartState& chart = state->chart;
  chart.WheelCaption1[3] = "old";
  chart.WheelCaption2[7] = "old";
  chart.StrengthScore[5] = 4;
  chart.SkipNextDay = 1;
  chart.MoreMenuVisible = 1;
  chart.returns.ReturnTZ = 0;
  testing::SetTransitInput(*state, kTransit);
  testing::SetNatalInput(*state, kDayBirth);
  ComputeChartSets(*state);

  for (const std::string& line : chart.WheelCaption1) EXPECT_EQ(line, "");
  for (const std::string& line : chart.WheelCaption2) EXPECT_EQ(line, "");
  for (double score : chart.StrengthScore) EXPECT_EQ(score, 0);
  EXPECT_EQ(chart.SkipNextDay, 0);
  EXPECT_EQ(chart.MoreMenuVisible, 0);
  EXPECT_EQ(chart.WheelMode, 2);
  EXPECT_EQ(chart.PointAbbr[Sun], "Sun      ");
  EXPECT_EQ(chart.PointAbbr[NorthNode], "NN       ");
  EXPECT_EQ(chart.PointAbbr[PartOfFortune], "");  // entry 12 is not written
  EXPECT_EQ(chart.PointAbbr[Chiron], "Part F.  ");
  EXPECT_EQ(chart.PointAbbr[Ascendant], "Ascendant");

  const ReturnSeeds& seeds = chart.returns;
  EXPECT_EQ(seeds.ReturnDay, 1);
  EXPECT_EQ(seeds.ReturnMonth, 3);
  EXPECT_EQ(seeds.ReturnYear, 2024);
  EXPECT_EQ(seeds.ReturnTZ, 6);
  EXPECT_FLOAT_EQ(static_cast<float>(seeds.ReturnGeoLong), 0.07f);
  EXPECT_FLOAT_EQ(static_cast<float>(seeds.ReturnGeoLat), 51.30f);
  EXPECT_EQ(seeds.ReturnEWText, "WEST");
  EXPECT_EQ(seeds.ReturnNSText, "NORTH");
  EXPECT_NEAR(chart.moments.Precession1990, -15 * 50.23 / 3600, 1e-12);
  EXPECT_NEAR(chart.moments.Precession2000, -25 * 50.23 / 3600, 1e-12);
}

TEST(ChartDriverRules, WorkingAndWheelSetsHoldTheTransitsAfterwards) {
  const auto state = Computed(kDayBirth, kTransit);
  const ChartState& chart = state->chart;
  EXPECT_EQ(chart.ChartKind, 3);
  EXPECT_EQ(chart.work.PointLong, chart.transit.TransitLong);
  EXPECT_EQ(chart.work.HouseTags, chart.transit.TransitHouseTags);
  EXPECT_EQ(chart.work.SiderealText, chart.transit.TransitSiderealText);
  EXPECT_EQ(state->wheel.WheelLong, chart.transit.TransitLong);
  EXPECT_EQ(state->wheel.WheelDecl, chart.transit.TransitDecl);
  EXPECT_EQ(state->wheel.WheelRetroFlags2, chart.transit.TransitRetroFlags);
  // Lilith's declination is 0 in every set
  EXPECT_EQ(chart.natal.NatalDecl[Lilith], 0);
  EXPECT_EQ(chart.prog.ProgDecl[Lilith], 0);
  EXPECT_EQ(chart.transit.TransitDecl[Lilith], 0);
}

// Nothing of one chart survives into the next: a chart computed after
// another equals the same chart computed on a fresh state.
TEST(ChartDriverRules, AChartOwesNothingToTheChartBeforeIt) {
  auto reused = Computed(kNightBirth, {1990, 11, 2, 8.40, "P.M.", -10, -151.12, -33.52});
  testing::SetTransitInput(*reused, kTransit);
  testing::SetNatalInput(*reused, kDayBirth);
  ComputeChartSets(*reused);
  const auto fresh = Computed(kDayBirth, kTransit);

  const ChartState& a = reused->chart;
  const ChartState& b = fresh->chart;
  EXPECT_EQ(a.natal.NatalLong, b.natal.NatalLong);
  EXPECT_EQ(a.natal.NatalDecl, b.natal.NatalDecl);
  EXPECT_EQ(a.natal.NatalCusp, b.natal.NatalCusp);
  EXPECT_EQ(a.natal.PlanetSpeed, b.natal.PlanetSpeed);
  EXPECT_EQ(a.natal.NatalRetroFlags, b.natal.NatalRetroFlags);
  EXPECT_EQ(a.natal.NatalHouseTags, b.natal.NatalHouseTags);
  EXPECT_EQ(a.prog.ProgLong, b.prog.ProgLong);
  EXPECT_EQ(a.prog.ProgDecl, b.prog.ProgDecl);
  EXPECT_EQ(a.prog.ProgCusp, b.prog.ProgCusp);
  EXPECT_EQ(a.prog.ProgRetroFlags, b.prog.ProgRetroFlags);
  EXPECT_EQ(a.arc.SolarArcLong, b.arc.SolarArcLong);
  EXPECT_EQ(a.arc.SolarArcCusp, b.arc.SolarArcCusp);
  EXPECT_EQ(a.transit.TransitLong, b.transit.TransitLong);
  EXPECT_EQ(a.transit.TransitDecl, b.transit.TransitDecl);
  EXPECT_EQ(a.transit.TransitCusp, b.transit.TransitCusp);
  EXPECT_EQ(a.transit.TransitRetroFlags, b.transit.TransitRetroFlags);
  EXPECT_EQ(a.transit.TransitHouseTags, b.transit.TransitHouseTags);
}

}  // namespace
}  // namespace halcyra
