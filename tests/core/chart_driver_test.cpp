// The chart driver: the places every set can be computed at, the Part of
// Fortune by option 218, sect and house system, the progressed moment and
// solar arc at their limits, the progressed retrograde flags; and the four
// chart sets
// against the Swiss Ephemeris at each set's moment, with the progressed and
// solar-arc rules applied to its values. Tolerances are what the program's
// own series reach (no delta-T, mean node).
#include <gtest/gtest.h>

#include <cmath>

#include "chart_fixture.h"
#include "core/angle_helpers.h"
#include "core/chart_driver.h"
#include "core/chart_time.h"
#include "ephemeris_test_support.h"

namespace halcyra {
namespace {

using namespace testing;

// Every set's place must suit the house system, the poles even for those
// that ignore the latitude.
TEST(ChartDriverRules, PlacesEverySetCanBeComputedAt) {
  struct Row { const char* system; double natalLat, transitLat; bool fits; };
  const Row places[] = {
      {"P", 66.00, 51.30, true}, {"P", 67.00, 51.30, false}, {"P", 40.45, -67.00, false},
      {"M", 89.59, 89.59, true}, {"M", 90.00, 0, false},     {"I", 0, -90.30, false},
  };
  for (const Row& c : places) {
    auto state = TypedState(kNewYorkBirth, kLondonTransit, c.system);
    state->input.NatalPlace = Place::FromDotMinutes(0, c.natalLat);
    state->input.TransitPlace = Place::FromDotMinutes(0, c.transitLat);
    EXPECT_EQ(ChartPlacesFit(*state), c.fits) << c.system << " " << c.natalLat << " " << c.transitLat;
  }
}

// The same birth at 3.25 A.M. is a night chart. Cusp entry 4 is not the
// Ascendant in "EM" and "M"; the Part counts from the Ascendant all the same.
TEST(ChartDriverRules, PartOfFortuneByOptionSectAndTheAscendant) {
  constexpr TypedChart kNightBirth{1975, 7, 14, 3.25, "A.M.", 5, 73.59, 40.45};
  // birth, house system, option 218, IsNightChart, night formula (Sun + Asc - Moon)
  struct Case { const TypedChart* birth; const char* system; float option218; int night; bool byNight; };
  const Case cases[] = {
      {&kNewYorkBirth, "P", 1, 0, true}, {&kNewYorkBirth, "P", 2, 0, false}, {&kNightBirth, "P", 0, 1, false},
      {&kNightBirth, "P", 7, 1, true},   {&kNewYorkBirth, "EM", 2, 0, false}, {&kNightBirth, "M", 2, 1, true},
  };
  for (const Case& c : cases) {
    const auto state = ComputedState(*c.birth, kLondonTransit, c.system, c.option218);
    const PointArray& p = state->chart.Natal.Long;
    const double sect = c.byNight ? p[Sun] - p[Moon] : p[Moon] - p[Sun];
    EXPECT_EQ(state->chart.IsNightChart, c.night) << c.birth->amPm << " " << c.system << " " << c.option218;
    EXPECT_NEAR(p[PartOfFortune], NormalizeDegrees(sect + p[Ascendant]), 1e-9) << c.system << " " << c.option218;
  }
}

TEST(ChartDriverRules, ProgressedMomentAndSolarArcAtTheirLimits) {
  // transits at the birth moment: no arc, the progressed set is the natal one
  auto state = ComputedState(kNewYorkBirth, kNewYorkBirth);
  const ChartState& same = state->chart;
  EXPECT_DOUBLE_EQ(same.moments.ProgMoment, same.moments.NatalMoment);
  EXPECT_LT(same.moments.SolarArc, 1e-4) << "no arc, never a full turn";
  for (int p = 1; p <= NumPoints; ++p) EXPECT_LT(ArcGap(same.SolarArc.Long[p], same.Natal.Long[p]), 1e-4) << p;
  for (int p = Sun; p <= NorthNode; ++p) EXPECT_NEAR(same.Prog.Long[p], same.Natal.Long[p], 1e-9) << p;
  EXPECT_LT(ArcGap(same.Prog.Long[Midheaven], same.Natal.Long[Midheaven]), 1e-4);

  // a late-evening birth whose moment spills into the next universal day:
  // the arc a rounding hair below 360 is none at all
  state = ComputedState({2026, 12, 6, 11.03, "P.M.", 6, 87.39, 41.51}, {2026, 12, 6, 11.03, "P.M.", 6, 87.39, 41.51});
  EXPECT_LT(state->chart.moments.SolarArc, 1e-4) << "no arc, never a full turn";

  // before the Gregorian reform every pass counts Julian-calendar days:
  // 1 March 1500 is day 2268993 (counted by hand), and the quick progressed
  // pass agrees with the natal pass
  state = ComputedState({1500, 3, 1, 12.00, "P.M.", 0, 0, 45.00}, {1500, 3, 1, 12.00, "P.M.", 0, 0, 45.00});
  EXPECT_DOUBLE_EQ(state->chart.moments.NatalMoment, 2268993.0);
  EXPECT_LT(state->chart.moments.SolarArc, 1e-4);

  // born 1 October 1582 (Julian), transits of 20 October 1612: the moment
  // from the Swiss Ephemeris's day numbers, and the progressed pass 30 days
  // of life on, on 10 November (Gregorian)
  state = ComputedState({1582, 10, 1, 12.00, "P.M.", 0, 0, 45.00}, {1612, 10, 20, 12.00, "P.M.", 0, 0, 45.00});
  const double born = swe_julday(1582, 10, 1, 12, SE_JUL_CAL), now = swe_julday(1612, 10, 20, 12, SE_GREG_CAL);
  EXPECT_NEAR(state->chart.moments.ProgMoment, born + (now - born) / 365.25, 1e-9);
  state->chart.ChartKind = 1;
  CalcChartTimeAndAngles(*state);
  EXPECT_EQ(state->chart.clock.JDay, born + 30);
}

// The progressed flags are those of the progressed moment, never the natal
// ones: born 14 June 1975, Cupido, Apollon and Poseidon are retrograde;
// 48 days on they are direct.
TEST(ChartDriverRules, ProgressedRetrogradeFlagsAreTheProgressedMotionAlone) {
  const auto state = ComputedState({1975, 6, 14, 3.25, "P.M.", 5, 73.59, 40.45}, kLondonTransit);
  const ChartState& chart = state->chart;
  for (int p : {Cupido, Apollon, Poseidon})
    EXPECT_EQ(std::string() + chart.Natal.RetroFlags[p - 1] + chart.Prog.RetroFlags[p - 1], "R ") << p;
}

// Columns: point, Swiss Ephemeris body, longitude and declination tolerance (degrees).
struct Body { int point, swe; double tol; };
constexpr Body kBodies[] = {
    {Sun, SE_SUN, 0.01},          {Moon, SE_MOON, 0.05},       {Mercury, SE_MERCURY, 0.05},
    {Venus, SE_VENUS, 0.05},      {Mars, SE_MARS, 0.05},       {Jupiter, SE_JUPITER, 0.05},
    {Saturn, SE_SATURN, 0.05},    {Uranus, SE_URANUS, 0.05},   {Neptune, SE_NEPTUNE, 0.05},
    {Pluto, SE_PLUTO, 0.05},      {NorthNode, SE_MEAN_NODE, 0.05}, {Chiron, SE_CHIRON, 0.05},
};

struct Reference { double lon[NumPoints + 1]{}, decl[NumPoints + 1]{}, cusps[13]{}, ascmc[10]{}; };

Reference ReferenceChart(double jdUt, const TypedChart& place) {
  const SwissEphemeris swiss;
  Reference r;
  for (const Body& b : kBodies) swiss.Position(jdUt, b.swe, r.lon[b.point], r.decl[b.point]);
  swe_houses(jdUt, TypedDecimal(place.geoLat), -TypedDecimal(place.geoLong), 'P', r.cusps, r.ascmc);  // east positive there
  return r;
}

void ExpectNear(const ChartSet& set, const Reference& ref, const double (&cusps)[13], const char* name) {
  for (const Body& b : kBodies) {
    EXPECT_LT(ArcGap(set.Long[b.point], ref.lon[b.point]), b.tol) << name << " point " << b.point;
    EXPECT_LT(std::fabs(set.Decl[b.point] - ref.decl[b.point]), b.tol) << name << " decl " << b.point;
  }
  for (int h = 1; h <= 12; ++h)
    EXPECT_LT(ArcGap(set.Cusp[CuspEntryOfHouse(h)], cusps[h]), 0.02) << name << " house " << h;
}

// Natal and transit sets at their moments and places. Progressed: the
// bodies one day of life per year after birth, the Midheaven moved by the
// arc of the progressed Sun, and the Ascendant and cusps of that Midheaven
// at the transit place. Solar arc: the natal chart moved by that arc.
TEST(ChartDriverSets, FourSetsAgreeWithTheSwissEphemeris) {
  const auto state = ComputedState(kNewYorkBirth, kLondonTransit);
  const ChartSet &natal = state->chart.Natal, &transit = state->chart.Transit;
  const double natalJd = TypedUniversalJd(kNewYorkBirth), transitJd = TypedUniversalJd(kLondonTransit);
  const Reference ref = ReferenceChart(natalJd, kNewYorkBirth), now = ReferenceChart(transitJd, kLondonTransit);
  ExpectNear(natal, ref, ref.cusps, "natal");
  ExpectNear(transit, now, now.cusps, "transit");
  EXPECT_LT(ArcGap(transit.Long[Ascendant], now.ascmc[SE_ASC]), 0.02);
  const std::pair<double, double> angles[] = {
      {natal.Long[Ascendant], ref.ascmc[SE_ASC]}, {natal.Long[Midheaven], ref.ascmc[SE_MC]},
      {natal.Vertex, ref.ascmc[SE_VERTEX]},       {natal.EquatorialAsc, ref.ascmc[SE_EQUASC]},
      {natal.PolarAsc, ref.ascmc[SE_POLASC]}};
  for (const auto& [ours, theirs] : angles) EXPECT_LT(ArcGap(ours, theirs), 0.02) << ours << " " << theirs;
  for (int p = FirstHousePoint; p <= LastHousePoint; ++p)  // the cusps of houses 1 to 6
    EXPECT_LT(ArcGap(natal.Long[p], ref.cusps[p - FirstHousePoint + 1]), 0.02) << p;
  // daily motion and the Moon's declination a day on, from the reference's next day
  const Reference next = ReferenceChart(natalJd + 1, kNewYorkBirth);
  for (int p = Sun; p <= NorthNode; ++p)
    EXPECT_NEAR(natal.Speed[p], std::remainder(next.lon[p] - ref.lon[p], 360.0), 0.01) << "speed of " << p;
  EXPECT_NEAR(state->chart.MoonDeclWork, next.decl[Moon], 0.05);

  const ChartSet& prog = state->chart.Prog;
  const double progJd = natalJd + (transitJd - natalJd) / 365.25;
  EXPECT_NEAR(state->chart.moments.ProgMoment, progJd, 1e-6);
  const Reference p = ReferenceChart(progJd, kLondonTransit);
  const double arc = std::fmod(p.lon[Sun] - ref.lon[Sun] + 360, 360.0), mc = ref.ascmc[SE_MC] + arc;
  double eclNut[6], equ[3], cusps[13], ascmc[10], ecl[3] = {mc, 0, 1};
  char err[256];
  swe_calc_ut(progJd, SE_ECL_NUT, 0, eclNut, err);
  const double obliquity = eclNut[1];  // mean obliquity, as the program's
  swe_cotrans(ecl, equ, -obliquity);
  swe_houses_armc(equ[0], TypedDecimal(kLondonTransit.geoLat), obliquity, 'P', cusps, ascmc);
  ExpectNear(prog, p, cusps, "progressed");
  EXPECT_NEAR(state->chart.moments.ProgObliquityDeg, obliquity, 0.001);
  EXPECT_LT(ArcGap(prog.Long[Midheaven], mc), 0.02);
  EXPECT_LT(ArcGap(prog.Long[PartOfFortune], p.lon[Moon] + ascmc[SE_ASC] - p.lon[Sun]), 0.05);
  // house points: the Ascendant, cusps 2, 3, 5, 6 and the IC of the directed Midheaven
  const double housePoints[] = {ascmc[SE_ASC], cusps[2], cusps[3], mc + 180, cusps[5], cusps[6]};
  for (int q = 26; q <= 31; ++q) EXPECT_LT(ArcGap(prog.Long[q], housePoints[q - 26]), 0.02) << q;
  // the node and the Part of Fortune have the declinations of their own longitudes, not the natal ones
  const double eps = state->chart.moments.ProgObliquityDeg * M_PI / 180;
  for (int q : {11, 12, 14, 15})
    EXPECT_NEAR(prog.Decl[q], std::asin(std::sin(eps) * std::sin(prog.Long[q] * M_PI / 180)) * 180 / M_PI, 1e-6) << q;

  const ChartSet& solarArc = state->chart.SolarArc;
  EXPECT_LT(ArcGap(state->chart.moments.SolarArc, arc), 0.01);
  for (const Body& b : kBodies) EXPECT_LT(ArcGap(solarArc.Long[b.point], ref.lon[b.point] + arc), b.tol + 0.01);
  for (int h = 1; h <= 12; ++h) EXPECT_LT(ArcGap(solarArc.Cusp[CuspEntryOfHouse(h)], ref.cusps[h] + arc), 0.02) << h;
}

}  // namespace
}  // namespace halcyra
