// The four chart sets against values computed independently: the Swiss
// Ephemeris for the bodies, angles and cusps at each set's moment, and the
// progressed and solar-arc rules applied to those reference values.
// Tolerances are what the program's own series reach (no delta-T, mean node).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "chart_driver_fixture.h"

#ifdef HALCYRA_HAVE_SWE
#include <swephexp.h>

namespace halcyra {
namespace {

using namespace testing;

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
struct Body {
  int point, swe;
  double tol;
};
constexpr Body kBodies[] = {
    {Sun, SE_SUN, 0.01},          {Moon, SE_MOON, 0.05},       {Mercury, SE_MERCURY, 0.05},
    {Venus, SE_VENUS, 0.05},      {Mars, SE_MARS, 0.05},       {Jupiter, SE_JUPITER, 0.05},
    {Saturn, SE_SATURN, 0.05},    {Uranus, SE_URANUS, 0.05},   {Neptune, SE_NEPTUNE, 0.05},
    {Pluto, SE_PLUTO, 0.05},      {NorthNode, SE_MEAN_NODE, 0.05}, {Chiron, SE_CHIRON, 0.05},
};

struct Reference {
  double lon[NumPoints + 1]{}, decl[NumPoints + 1]{}, cusps[13]{}, ascmc[10]{};
};

Reference ReferenceChart(double jdUt, double geoLong, double geoLat) {
  swe_set_ephe_path(const_cast<char*>("/usr/share/libswe/ephe"));
  Reference r;
  char err[256];
  double xx[6];
  for (const Body& b : kBodies) {
    swe_calc_ut(jdUt, b.swe, SEFLG_SWIEPH, xx, err);
    r.lon[b.point] = xx[0];
    swe_calc_ut(jdUt, b.swe, SEFLG_SWIEPH | SEFLG_EQUATORIAL, xx, err);
    r.decl[b.point] = xx[1];
  }
  swe_houses(jdUt, Decimal(geoLat), -Decimal(geoLong), 'P', r.cusps, r.ascmc);  // east positive there
  return r;
}

void ExpectBodiesNear(const PointArray& lon, const PointArray& decl, const Reference& ref, const char* set) {
  double worst = 0;
  for (const Body& b : kBodies) {
    const double dl = ArcGap(lon[b.point], ref.lon[b.point]), dd = std::fabs(decl[b.point] - ref.decl[b.point]);
    EXPECT_LT(dl, b.tol) << set << " point " << b.point << " ours " << lon[b.point] << " ref " << ref.lon[b.point];
    EXPECT_LT(dd, b.tol) << set << " decl " << b.point << " ours " << decl[b.point] << " ref " << ref.decl[b.point];
    worst = std::max({worst, dl, dd});
  }
  std::printf("  %s: worst gap %.4f deg\n", set, worst);
}

void ExpectCuspsNear(const CuspTable& cusps, const double (&ref)[13], const char* set) {
  for (int h = 1; h <= 12; ++h)
    EXPECT_LT(ArcGap(cusps[CuspEntryOfHouse(h)], ref[h]), 0.02) << set << " house " << h;
}

TEST(ChartDriverSets, NatalAndTransitSetsAgreeWithTheSwissEphemeris) {
  const auto state = ComputedState(kNewYorkBirth, kLondonTransit);
  const NatalSet& natal = state->chart.natal;
  const double natalJd = ReferenceMoment(kNewYorkBirth);
  const Reference ref = ReferenceChart(natalJd, kNewYorkBirth.geoLong, kNewYorkBirth.geoLat);
  ExpectBodiesNear(natal.NatalLong, natal.NatalDecl, ref, "natal");
  ExpectCuspsNear(natal.NatalCusp, ref.cusps, "natal");
  const std::pair<double, double> angles[] = {
      {natal.NatalLong[Ascendant], ref.ascmc[SE_ASC]}, {natal.NatalLong[Midheaven], ref.ascmc[SE_MC]},
      {natal.NatalVertex, ref.ascmc[SE_VERTEX]},       {natal.NatalEquatorialAsc, ref.ascmc[SE_EQUASC]},
      {natal.NatalPolarAsc, ref.ascmc[SE_POLASC]}};
  for (const auto& [ours, theirs] : angles) EXPECT_LT(ArcGap(ours, theirs), 0.02) << ours << " " << theirs;
  for (int p = FirstHousePoint; p <= LastHousePoint; ++p)  // the cusps of houses 1 to 6
    EXPECT_LT(ArcGap(natal.NatalLong[p], ref.cusps[p - FirstHousePoint + 1]), 0.02) << p;

  // daily motion and the Moon's declination a day on, from the reference's next day
  const Reference next = ReferenceChart(natalJd + 1, kNewYorkBirth.geoLong, kNewYorkBirth.geoLat);
  for (int p = Sun; p <= NorthNode; ++p) {
    const double motion = std::remainder(next.lon[p] - ref.lon[p], 360.0);
    EXPECT_NEAR(natal.PlanetSpeed[p], motion, 0.01) << "speed of point " << p;
  }
  EXPECT_NEAR(natal.MoonDeclWork, next.decl[Moon], 0.05);

  const TransitSet& transit = state->chart.transit;
  const Reference now = ReferenceChart(ReferenceMoment(kLondonTransit), kLondonTransit.geoLong, kLondonTransit.geoLat);
  ExpectBodiesNear(transit.TransitLong, transit.TransitDecl, now, "transit");
  ExpectCuspsNear(transit.TransitCusp, now.cusps, "transit");
  EXPECT_LT(ArcGap(transit.TransitLong[Ascendant], now.ascmc[SE_ASC]), 0.02);
}

// Progressed: the bodies one day of life per year after birth, the
// Midheaven moved by the arc of the progressed Sun, and the Ascendant and
// cusps of that Midheaven at the transit place. Solar arc: the natal chart
// moved by that arc.
TEST(ChartDriverSets, ProgressedAndSolarArcSetsAgreeWithTheSwissEphemeris) {
  const auto state = ComputedState(kNewYorkBirth, kLondonTransit);
  const ProgressedSet& prog = state->chart.prog;
  const double natalJd = ReferenceMoment(kNewYorkBirth), transitJd = ReferenceMoment(kLondonTransit);
  const double progJd = natalJd + (transitJd - natalJd) / 365.25;
  EXPECT_NEAR(state->chart.moments.ProgMoment, progJd, 1e-6);
  const Reference natal = ReferenceChart(natalJd, kNewYorkBirth.geoLong, kNewYorkBirth.geoLat);
  const Reference ref = ReferenceChart(progJd, kLondonTransit.geoLong, kLondonTransit.geoLat);
  ExpectBodiesNear(prog.ProgLong, prog.ProgDecl, ref, "progressed");

  const double arc = std::fmod(ref.lon[Sun] - natal.lon[Sun] + 360, 360.0);
  const double mc = natal.ascmc[SE_MC] + arc;
  double eclNut[6], equ[3], cusps[13], ascmc[10];
  char err[256];
  swe_calc_ut(progJd, SE_ECL_NUT, 0, eclNut, err);
  const double obliquity = eclNut[1];  // mean obliquity, as the program's
  double ecl[3] = {mc, 0, 1};
  swe_cotrans(ecl, equ, -obliquity);
  swe_houses_armc(equ[0], Decimal(kLondonTransit.geoLat), obliquity, 'P', cusps, ascmc);
  EXPECT_NEAR(state->chart.moments.ProgObliquityDeg, obliquity, 0.001);
  EXPECT_LT(ArcGap(prog.ProgLong[Midheaven], mc), 0.02);
  EXPECT_LT(ArcGap(prog.ProgLong[Ascendant], ascmc[SE_ASC]), 0.02);
  ExpectCuspsNear(prog.ProgCusp, cusps, "progressed");
  EXPECT_LT(ArcGap(prog.ProgLong[PartOfFortune], ref.lon[Moon] + ascmc[SE_ASC] - ref.lon[Sun]), 0.05);
  // house points: the Ascendant, cusps 2, 3, 5, 6 and the IC of the directed Midheaven
  const double housePoints[] = {ascmc[SE_ASC], cusps[2], cusps[3], mc + 180, cusps[5], cusps[6]};
  for (int p = 26; p <= 31; ++p) EXPECT_LT(ArcGap(prog.ProgLong[p], housePoints[p - 26]), 0.02) << p;
  // the node and the Part of Fortune have the declinations of their own longitudes
  const double eps = state->chart.moments.ProgObliquityDeg * M_PI / 180;
  for (int p : {11, 12, 14, 15})
    EXPECT_NEAR(prog.ProgDecl[p], std::asin(std::sin(eps) * std::sin(prog.ProgLong[p] * M_PI / 180)) * 180 / M_PI, 1e-6)
        << p;

  const SolarArcSet& set = state->chart.arc;
  EXPECT_LT(ArcGap(set.SolarArc, arc), 0.01);
  for (const Body& b : kBodies) EXPECT_LT(ArcGap(set.SolarArcLong[b.point], natal.lon[b.point] + arc), b.tol + 0.01);
  double moved[13];
  for (int h = 1; h <= 12; ++h) moved[h] = natal.cusps[h] + arc;
  ExpectCuspsNear(set.SolarArcCusp, moved, "solar arc");
}

}  // namespace
}  // namespace halcyra

#endif
