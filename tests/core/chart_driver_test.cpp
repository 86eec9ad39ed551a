// The chart driver: a wheel time step's input, the places every set can be
// computed at, the Part of Fortune by option 218, sect and house system, the
// progressed moment and solar arc at their limits, one calendar in every pass
// before 1582, and the progressed retrograde flags. The four chart
// sets against values computed independently: the Swiss Ephemeris for the
// bodies, angles and cusps at each set's moment, and the progressed and
// solar-arc rules applied to those reference values. Tolerances are what the
// program's own series reach (no delta-T, mean node).
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "chart_fixture.h"
#include "chart_input/chart_command_input.h"
#include "core/angle_helpers.h"
#include "core/chart_driver.h"
#include "core/chart_time.h"
#include "core/ephemeris_driver.h"
#include "core/table_bodies.h"
#include "ephemeris_test_support.h"

namespace halcyra {
namespace {

using namespace testing;

// The same birth at 3.25 A.M.: the Sun below the horizon, a night chart.
constexpr TypedChart kNightBirth{1975, 7, 14, 3.25, "A.M.", 5, 73.59, 40.45};

// One chart of the input: date text, year, clock, A.M./P.M., zone, place.
auto NatalFields(const ChartInput& in) {
  return std::tuple(in.NatalDateText, in.NatalYearInt, in.NatalClockTime, in.NatalAmPm, in.NatalTZ, in.NatalGeoLong,
                    in.NatalGeoLat, in.EWText, in.NSText);
}
auto TransitFields(const ChartInput& in) {
  return std::tuple(in.TransitDateText, in.TransitYear, in.ChartClockTime, in.ChartAmPm, in.TransitTZ,
                    in.TransitGeoLong, in.TransitGeoLat, in.TransitEWText, in.TransitNSText);
}

// A step record filled for a dual wheel changes the transits and, of the
// natal input, only its A.M./P.M. caption; one filled for a single wheel
// changes only the natal input, whichever wheel shows now (a record of
// transits never becomes the natal chart under the natal name).
TEST(ChartDriverInput, AWheelStepChangesTheChartItsRecordWasFilledFrom) {
  for (int wheelKind : {1, 2}) {
    auto state = TypedState(kNewYorkBirth, kLondonTransit);
    const ChartInput before = state->input;
    state->flags.WheelKind = 3 - wheelKind;
    state->flags.DateFormat = 1;
    // 5 August 2024, 9.07 P.M., zone 2 east, 13 24 E 52 31 S
    state->step = {8, 5, 2024, 9, 7, 1, 13, 24, 52, 31, 0, 1, -2, wheelKind};
    TakeStepRecordInput(*state);
    const ChartInput& in = state->input;
    const bool dual = wheelKind == 2;
    const auto stepped = std::tuple(std::string("5/8/2024"), 2024, 9.07f, std::string("P.M."), -2.0f, -13.24f,
                                    -52.31f, std::string("EAST"), std::string("SOUTH"));
    EXPECT_EQ(dual ? TransitFields(in) : NatalFields(in), stepped) << wheelKind;
    EXPECT_EQ(dual ? NatalFields(in) : TransitFields(in), dual ? NatalFields(before) : TransitFields(before));
    EXPECT_EQ(in.NatalEWText + in.NatalNSText, dual ? "WESTNORTH" : "EASTSOUTH");
    EXPECT_EQ(in.NatalAmPmCaption, "P.M.");
    // the last birthday follows the stepped date: 14 July is past by 5 August
    EXPECT_EQ(in.LastBirthdayYear, dual ? 2024 : 2023);
  }
}

TEST(ChartDriverInput, PlacesEverySetCanBeComputedAt) {
  struct Place { const char* system; float natalLat, transitLat; bool fits; };
  const Place places[] = {
      {"P", 40.45f, 51.30f, true},  {"P", 66.00f, 51.30f, true},   {"P", 67.00f, 51.30f, false},
      {"P", 40.45f, -67.00f, false}, {"K", -66.30f, 0, true},      {"R", 89.59f, 0, true},
      {"M", 89.59f, 89.59f, true},  {"M", 90.00f, 0, false},       {"I", 0, -90.30f, false},
  };
  for (const Place& c : places) {
    auto state = TypedState(kNewYorkBirth, kLondonTransit);
    state->options.HouseSystem = c.system;
    state->input.NatalGeoLat = c.natalLat;
    state->input.TransitGeoLat = c.transitLat;
    EXPECT_EQ(ChartPlacesFit(*state), c.fits) << c.system << " " << c.natalLat << " " << c.transitLat;
  }
}

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
    const PointArray& p = state->chart.Natal.Long;
    EXPECT_EQ(state->chart.IsNightChart, c.night) << c.birth->amPm << " " << c.system << " " << c.option218;
    const double expected = NormalizeDegrees(c.byNight ? p[Sun] + p[Ascendant] - p[Moon] : p[Moon] + p[Ascendant] - p[Sun]);
    EXPECT_NEAR(p[PartOfFortune], expected, 1e-9) << c.birth->amPm << " " << c.system << " " << c.option218;
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
}

// Points 2 to 11 flagged by the motion at the progressed moment, Chiron and
// the table-driven points by their tables at that moment, never by the
// natal flags. Born 14 June 1975, Cupido, Apollon and Poseidon are
// retrograde; 48 days on they are direct.
TEST(ChartDriverRules, ProgressedRetrogradeFlagsAreTheProgressedMotionAlone) {
  const auto state = ComputedState({1975, 6, 14, 3.25, "P.M.", 5, 73.59, 40.45}, kLondonTransit);
  const ChartState& chart = state->chart;
  const double moment = chart.moments.ProgMoment;
  ChartSet tables, bodies;
  CalcTableBodies(moment, state->tables, tables);
  const DayMoment m = SplitMoment(moment);
  const double t = CenturiesFrom1900(m.jday, m.dayFraction);
  CalcPlanetPositions(MeanObliquityMoment(m.jday, m.dayFraction, t), 0, bodies);
  EXPECT_EQ(chart.Prog.RetroFlags, bodies.RetroFlags.substr(0, 12) + tables.RetroFlags.substr(12));
  for (int p : {Cupido, Apollon, Poseidon})
    EXPECT_EQ(std::string() + chart.Natal.RetroFlags[p - 1] + chart.Prog.RetroFlags[p - 1], "R ") << p;
}

// Julian date (UT) of a typed chart, from its parts by the Swiss Ephemeris.
double ReferenceMoment(const TypedChart& c) {
  double hours = std::floor(c.clock) + (c.clock - std::floor(c.clock)) * 100 / 60;
  if (std::floor(c.clock) == 12) hours -= 12;
  if (std::string(c.amPm) == "P.M.") hours += 12;
  return swe_julday(c.year, c.month, c.day, hours + c.zone, SE_GREG_CAL);
}

double Decimal(double dotMinutes) {
  const double a = std::fabs(dotMinutes), v = std::floor(a) + (a - std::floor(a)) * 100 / 60;
  return dotMinutes < 0 ? -v : v;
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
  swe_houses(jdUt, Decimal(place.geoLat), -Decimal(place.geoLong), 'P', r.cusps, r.ascmc);  // east positive there
  return r;
}

void ExpectBodiesNear(const PointArray& lon, const PointArray& decl, const Reference& ref, const char* set) {
  for (const Body& b : kBodies) {
    EXPECT_LT(ArcGap(lon[b.point], ref.lon[b.point]), b.tol) << set << " point " << b.point;
    EXPECT_LT(std::fabs(decl[b.point] - ref.decl[b.point]), b.tol) << set << " decl " << b.point;
  }
}

void ExpectCuspsNear(const CuspTable& cusps, const double (&ref)[13], const char* set) {
  for (int h = 1; h <= 12; ++h)
    EXPECT_LT(ArcGap(cusps[CuspEntryOfHouse(h)], ref[h]), 0.02) << set << " house " << h;
}

TEST(ChartDriverSets, NatalAndTransitSetsAgreeWithTheSwissEphemeris) {
  const auto state = ComputedState(kNewYorkBirth, kLondonTransit);
  const ChartSet& natal = state->chart.Natal;
  const double natalJd = ReferenceMoment(kNewYorkBirth);
  const Reference ref = ReferenceChart(natalJd, kNewYorkBirth);
  ExpectBodiesNear(natal.Long, natal.Decl, ref, "natal");
  ExpectCuspsNear(natal.Cusp, ref.cusps, "natal");
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

  const ChartSet& transit = state->chart.Transit;
  const Reference now = ReferenceChart(ReferenceMoment(kLondonTransit), kLondonTransit);
  ExpectBodiesNear(transit.Long, transit.Decl, now, "transit");
  ExpectCuspsNear(transit.Cusp, now.cusps, "transit");
  EXPECT_LT(ArcGap(transit.Long[Ascendant], now.ascmc[SE_ASC]), 0.02);
}

// Progressed: the bodies one day of life per year after birth, the
// Midheaven moved by the arc of the progressed Sun, and the Ascendant and
// cusps of that Midheaven at the transit place. Solar arc: the natal chart
// moved by that arc.
TEST(ChartDriverSets, ProgressedAndSolarArcSetsAgreeWithTheSwissEphemeris) {
  const auto state = ComputedState(kNewYorkBirth, kLondonTransit);
  const ChartSet& prog = state->chart.Prog;
  const double natalJd = ReferenceMoment(kNewYorkBirth), transitJd = ReferenceMoment(kLondonTransit);
  const double progJd = natalJd + (transitJd - natalJd) / 365.25;
  EXPECT_NEAR(state->chart.moments.ProgMoment, progJd, 1e-6);
  const Reference natal = ReferenceChart(natalJd, kNewYorkBirth), ref = ReferenceChart(progJd, kLondonTransit);
  ExpectBodiesNear(prog.Long, prog.Decl, ref, "progressed");

  const double arc = std::fmod(ref.lon[Sun] - natal.lon[Sun] + 360, 360.0), mc = natal.ascmc[SE_MC] + arc;
  double eclNut[6], equ[3], cusps[13], ascmc[10];
  char err[256];
  swe_calc_ut(progJd, SE_ECL_NUT, 0, eclNut, err);
  const double obliquity = eclNut[1];  // mean obliquity, as the program's
  double ecl[3] = {mc, 0, 1};
  swe_cotrans(ecl, equ, -obliquity);
  swe_houses_armc(equ[0], Decimal(kLondonTransit.geoLat), obliquity, 'P', cusps, ascmc);
  EXPECT_NEAR(state->chart.moments.ProgObliquityDeg, obliquity, 0.001);
  EXPECT_LT(ArcGap(prog.Long[Midheaven], mc), 0.02);
  EXPECT_LT(ArcGap(prog.Long[Ascendant], ascmc[SE_ASC]), 0.02);
  ExpectCuspsNear(prog.Cusp, cusps, "progressed");
  EXPECT_LT(ArcGap(prog.Long[PartOfFortune], ref.lon[Moon] + ascmc[SE_ASC] - ref.lon[Sun]), 0.05);
  // house points: the Ascendant, cusps 2, 3, 5, 6 and the IC of the directed Midheaven
  const double housePoints[] = {ascmc[SE_ASC], cusps[2], cusps[3], mc + 180, cusps[5], cusps[6]};
  for (int p = 26; p <= 31; ++p) EXPECT_LT(ArcGap(prog.Long[p], housePoints[p - 26]), 0.02) << p;

  // the node and the Part of Fortune have the declinations of their own longitudes, not the natal ones
  const double eps = state->chart.moments.ProgObliquityDeg * M_PI / 180;
  for (int p : {11, 12, 14, 15})
    EXPECT_NEAR(prog.Decl[p], std::asin(std::sin(eps) * std::sin(prog.Long[p] * M_PI / 180)) * 180 / M_PI, 1e-6)
        << p;

  const ChartSet& set = state->chart.SolarArc;
  EXPECT_LT(ArcGap(state->chart.moments.SolarArc, arc), 0.01);
  for (const Body& b : kBodies) EXPECT_LT(ArcGap(set.Long[b.point], natal.lon[b.point] + arc), b.tol + 0.01);
  double moved[13];
  for (int h = 1; h <= 12; ++h) moved[h] = natal.cusps[h] + arc;
  ExpectCuspsNear(set.Cusp, moved, "solar arc");
}

}  // namespace
}  // namespace halcyra
