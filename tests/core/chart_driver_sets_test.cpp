// The four chart sets of the chart driver against values computed
// independently: the Swiss Ephemeris for the bodies, angles and cusps at
// each set's moment, and the progressed and solar-arc rules applied to
// those reference values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "chart_driver_fixture.h"
#include "core/chart_driver.h"
#include "core/house_row.h"

#ifdef HALCYRA_HAVE_SWE
#include <swephexp.h>
#endif

namespace halcyra {
namespace {

using testing::ArcGap;
using testing::TypedChart;

// 14 July 1975, 3.25 P.M. at New York (zone 5 west), and transits on
// 1 March 2024 at 10.00 A.M. in London (zone 0).
constexpr TypedChart kNatal{1975, 7, 14, 3.25, "P.M.", 5, 73.59, 40.45};
constexpr TypedChart kTransit{2024, 3, 1, 10.00, "A.M.", 0, 0.07, 51.30};

std::unique_ptr<AppState> ComputedChart(const TypedChart& natal, const TypedChart& transit) {
  auto state = testing::NewChartState();
  testing::SetTransitInput(*state, transit);
  testing::SetNatalInput(*state, natal);
  ComputeChartSets(*state);
  return state;
}

#ifdef HALCYRA_HAVE_SWE

// Julian date (UT) of a typed chart, built from its parts independently of
// the program's calendar and clock rules.
double ReferenceMoment(const TypedChart& c) {
  double hours = std::floor(c.clock) + (c.clock - std::floor(c.clock)) * 100 / 60;
  if (std::floor(c.clock) == 12) hours -= 12;
  if (std::string(c.amPm) == "P.M.") hours += 12;
  return swe_julday(c.year, c.month, c.day, hours + c.zone, SE_GREG_CAL);
}

double Decimal(double dotMinutes) {
  const double a = std::fabs(dotMinutes);
  const double v = std::floor(a) + (a - std::floor(a)) * 100 / 60;
  return dotMinutes < 0 ? -v : v;
}

struct Body {
  int point, swe;
  double lonTol, declTol;  // degrees
};
// Tolerances: what the program's own series reach against a modern
// ephemeris (the method has no delta-T and keeps a mean node).
constexpr Body kBodies[] = {
    {Sun, SE_SUN, 0.01, 0.01},         {Moon, SE_MOON, 0.05, 0.05},      {Mercury, SE_MERCURY, 0.05, 0.05},
    {Venus, SE_VENUS, 0.05, 0.05},     {Mars, SE_MARS, 0.05, 0.05},      {Jupiter, SE_JUPITER, 0.05, 0.05},
    {Saturn, SE_SATURN, 0.05, 0.05},   {Uranus, SE_URANUS, 0.05, 0.05},  {Neptune, SE_NEPTUNE, 0.05, 0.05},
    {Pluto, SE_PLUTO, 0.05, 0.05},     {NorthNode, SE_MEAN_NODE, 0.05, 0.05}, {Chiron, SE_CHIRON, 0.05, 0.05},
};

struct Reference {
  double lon[NumPoints + 1]{}, decl[NumPoints + 1]{};
  double cusps[13]{}, ascmc[10]{};
};

Reference ReferenceChart(double jdUt, double geoLong, double geoLat) {
  swe_set_ephe_path(const_cast<char*>("/usr/share/libswe/ephe"));
  Reference r;
  char err[256];
  for (const Body& b : kBodies) {
    double xx[6];
    swe_calc_ut(jdUt, b.swe, SEFLG_SWIEPH, xx, err);
    r.lon[b.point] = xx[0];
    swe_calc_ut(jdUt, b.swe, SEFLG_SWIEPH | SEFLG_EQUATORIAL, xx, err);
    r.decl[b.point] = xx[1];
  }
  // west-positive longitudes are negative to the Swiss Ephemeris
  swe_houses(jdUt, Decimal(geoLat), -Decimal(geoLong), 'P', r.cusps, r.ascmc);
  return r;
}

// Checks the bodies of a set and prints the largest gaps for the record.
void ExpectBodiesNear(const PointArray& lon, const PointArray& decl, const Reference& ref, const char* set) {
  double worstLon = 0, worstDecl = 0;
  for (const Body& b : kBodies) {
    const double dl = ArcGap(lon[b.point], ref.lon[b.point]);
    const double dd = std::fabs(decl[b.point] - ref.decl[b.point]);
    EXPECT_LT(dl, b.lonTol) << set << " point " << b.point << " ours " << lon[b.point] << " ref " << ref.lon[b.point];
    EXPECT_LT(dd, b.declTol) << set << " decl " << b.point << " ours " << decl[b.point] << " ref "
                             << ref.decl[b.point];
    worstLon = std::max(worstLon, dl);
    worstDecl = std::max(worstDecl, dd);
  }
  std::printf("  %s bodies: worst longitude %.4f deg, declination %.4f deg\n", set, worstLon, worstDecl);
}

void ExpectCuspsNear(const CuspTable& cusps, const double (&refCusps)[13], double tol, const char* set) {
  for (int h = 1; h <= 12; ++h)
    EXPECT_LT(ArcGap(cusps[CuspEntryOfHouse(h)], refCusps[h]), tol)
        << set << " house " << h << " ours " << cusps[CuspEntryOfHouse(h)] << " ref " << refCusps[h];
}

TEST(ChartDriverSets, NatalSetAgreesWithTheSwissEphemeris) {
  const auto state = ComputedChart(kNatal, kTransit);
  const NatalSet& natal = state->chart.natal;
  const Reference ref = ReferenceChart(ReferenceMoment(kNatal), kNatal.geoLong, kNatal.geoLat);
  ExpectBodiesNear(natal.NatalLong, natal.NatalDecl, ref, "natal");
  ExpectCuspsNear(natal.NatalCusp, ref.cusps, 0.02, "natal");
  EXPECT_LT(ArcGap(natal.NatalLong[Ascendant], ref.ascmc[SE_ASC]), 0.02);
  EXPECT_LT(ArcGap(natal.NatalLong[Midheaven], ref.ascmc[SE_MC]), 0.02);
  EXPECT_LT(ArcGap(natal.NatalVertex, ref.ascmc[SE_VERTEX]), 0.02);
  EXPECT_LT(ArcGap(natal.NatalEquatorialAsc, ref.ascmc[SE_EQUASC]), 0.02);
  EXPECT_LT(ArcGap(natal.NatalPolarAsc, ref.ascmc[SE_POLASC]), 0.02);
  // the house points 26 to 31 are the cusps of houses 1 to 6
  for (int p = FirstHousePoint; p <= LastHousePoint; ++p)
    EXPECT_LT(ArcGap(natal.NatalLong[p], ref.cusps[p - FirstHousePoint + 1]), 0.02) << p;

  // daily motion against the reference's own next-day longitude
  const Reference next = ReferenceChart(ReferenceMoment(kNatal) + 1, kNatal.geoLong, kNatal.geoLat);
  for (int p = Sun; p <= NorthNode; ++p) {
    double motion = next.lon[p] - ref.lon[p];
    if (motion > 180) motion -= 360;
    if (motion < -180) motion += 360;
    EXPECT_NEAR(natal.PlanetSpeed[p], motion, 0.01) << "speed of point " << p;
  }
  // the Moon's declination a day after birth, for the horary reports
  EXPECT_NEAR(natal.MoonDeclWork, next.decl[Moon], 0.05);
}

TEST(ChartDriverSets, TransitSetAgreesWithTheSwissEphemeris) {
  const auto state = ComputedChart(kNatal, kTransit);
  const TransitSet& transit = state->chart.transit;
  const Reference ref = ReferenceChart(ReferenceMoment(kTransit), kTransit.geoLong, kTransit.geoLat);
  ExpectBodiesNear(transit.TransitLong, transit.TransitDecl, ref, "transit");
  ExpectCuspsNear(transit.TransitCusp, ref.cusps, 0.02, "transit");
  EXPECT_LT(ArcGap(transit.TransitLong[Ascendant], ref.ascmc[SE_ASC]), 0.02);
  EXPECT_LT(ArcGap(transit.TransitLong[Midheaven], ref.ascmc[SE_MC]), 0.02);
}

// The progressed set: the bodies one day of life per year after birth, the
// Midheaven moved by the arc of the progressed Sun, the Ascendant and
// cusps of that Midheaven at the transit place.
TEST(ChartDriverSets, ProgressedSetAgreesWithTheSwissEphemeris) {
  const auto state = ComputedChart(kNatal, kTransit);
  const ProgressedSet& prog = state->chart.prog;
  const double natalJd = ReferenceMoment(kNatal), transitJd = ReferenceMoment(kTransit);
  const double progJd = natalJd + (transitJd - natalJd) / 365.25;
  EXPECT_NEAR(state->chart.moments.ProgMoment, progJd, 1e-6);

  const Reference natal = ReferenceChart(natalJd, kNatal.geoLong, kNatal.geoLat);
  const Reference ref = ReferenceChart(progJd, kTransit.geoLong, kTransit.geoLat);
  ExpectBodiesNear(prog.ProgLong, prog.ProgDecl, ref, "progressed");

  const double mc = std::fmod(natal.ascmc[SE_MC] + ref.lon[Sun] - natal.lon[Sun] + 360, 360.0);
  double eclNut[6];
  char err[256];
  swe_calc_ut(progJd, SE_ECL_NUT, 0, eclNut, err);
  const double meanObliquity = eclNut[1];
  double ecl[3] = {mc, 0, 1}, equ[3];
  swe_cotrans(ecl, equ, -meanObliquity);
  double cusps[13], ascmc[10];
  swe_houses_armc(equ[0], Decimal(kTransit.geoLat), meanObliquity, 'P', cusps, ascmc);

  EXPECT_LT(ArcGap(prog.ProgLong[Midheaven], mc), 0.02);
  EXPECT_LT(ArcGap(prog.ProgLong[Ascendant], ascmc[SE_ASC]), 0.02);
  ExpectCuspsNear(prog.ProgCusp, cusps, 0.02, "progressed");
  EXPECT_NEAR(state->chart.moments.ProgObliquityDeg, meanObliquity, 0.001);
  const double fortune = std::fmod(ref.lon[Moon] + ascmc[SE_ASC] - ref.lon[Sun] + 720, 360.0);
  EXPECT_LT(ArcGap(prog.ProgLong[PartOfFortune], fortune), 0.05);
  // house points: the Ascendant, cusps 2, 3, 5, 6 and the IC of the directed Midheaven
  EXPECT_LT(ArcGap(prog.ProgLong[26], ascmc[SE_ASC]), 0.02);
  EXPECT_LT(ArcGap(prog.ProgLong[27], cusps[2]), 0.02);
  EXPECT_LT(ArcGap(prog.ProgLong[28], cusps[3]), 0.02);
  EXPECT_LT(ArcGap(prog.ProgLong[29], mc + 180), 0.02);
  EXPECT_LT(ArcGap(prog.ProgLong[30], cusps[5]), 0.02);
  EXPECT_LT(ArcGap(prog.ProgLong[31], cusps[6]), 0.02);
  // the node and the Part of Fortune have declinations of their own longitudes
  for (int p : {NorthNode, PartOfFortune, Ascendant, Midheaven}) {
    const double eps = state->chart.moments.ProgObliquityDeg * M_PI / 180;
    const double expected = std::asin(std::sin(eps) * std::sin(prog.ProgLong[p] * M_PI / 180));
    EXPECT_NEAR(prog.ProgDecl[p], expected * 180 / M_PI, 1e-6) << p;
  }
}

// The solar-arc set: every natal point and cusp moved by the progressed Sun
// less the natal Sun.
TEST(ChartDriverSets, SolarArcSetMovesTheNatalChartByTheArcOfTheProgressedSun) {
  const auto state = ComputedChart(kNatal, kTransit);
  const double natalJd = ReferenceMoment(kNatal), transitJd = ReferenceMoment(kTransit);
  const double progJd = natalJd + (transitJd - natalJd) / 365.25;
  const Reference natal = ReferenceChart(natalJd, kNatal.geoLong, kNatal.geoLat);
  const Reference prog = ReferenceChart(progJd, kTransit.geoLong, kTransit.geoLat);
  const double arc = std::fmod(prog.lon[Sun] - natal.lon[Sun] + 360, 360.0);
  const SolarArcSet& set = state->chart.arc;
  EXPECT_LT(ArcGap(set.SolarArc, arc), 0.01);
  for (const Body& b : kBodies)
    EXPECT_LT(ArcGap(set.SolarArcLong[b.point], natal.lon[b.point] + arc), b.lonTol + 0.01) << b.point;
  double movedCusps[13];
  for (int h = 1; h <= 12; ++h) movedCusps[h] = natal.cusps[h] + arc;
  ExpectCuspsNear(set.SolarArcCusp, movedCusps, 0.02, "solar arc");
  EXPECT_LT(ArcGap(set.SolarArcLong[Ascendant], natal.ascmc[SE_ASC] + arc), 0.02);
  EXPECT_LT(ArcGap(set.SolarArcLong[Midheaven], natal.ascmc[SE_MC] + arc), 0.02);
}

#endif

}  // namespace
}  // namespace halcyra
