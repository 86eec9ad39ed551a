#include "core/ephemeris_driver.h"

#include <array>
#include <cmath>

#include "core/angle_helpers.h"
#include "core/chart_time.h"
#include "core/ephemeris_trig.h"
#include "core/moon.h"
#include "core/perturbation_args.h"
#include "core/planet_orbits.h"
#include "core/sun.h"

namespace halcyra {

namespace {

struct Rotation {
  double cosE, sinE;
};

// The direction of an ecliptic longitude and latitude in equatorial
// rectangular coordinates; its latitude is the declination.
RectCoordinates Equatorial(SinCos longitude, SinCos latitude, const Rotation& r) {
  const double x = latitude.cos * longitude.cos;
  const double y = r.cosE * latitude.cos * longitude.sin - r.sinE * latitude.sin;
  const double z = r.sinE * latitude.cos * longitude.sin + r.cosE * latitude.sin;
  return {x, y, z};
}

double Declination(double longitude, double latitude, const Rotation& r) {
  const std::array<SinCos, 2> bl = SinCosDegBatch<2>({latitude, longitude});
  return LatitudesOfRects<1>({Equatorial(bl[1], bl[0], r)})[0];
}

// The same for a planet from its geocentric rectangular coordinates:
// `ahead` (radians) is how far its final longitude, once multiplied by
// Pi / 180, runs ahead of the direction of (x, y). The latitude's sine and
// cosine are z and rho over the vector's length, and the declination does
// not depend on that length, so no sine is taken but that of the small
// `ahead`.
RectCoordinates EquatorialOfRect(const GeoPosition& g, double ahead, const Rotation& r) {
  const SinCos turn = SinCosOfSmall(ahead);
  const double x = g.x * turn.cos - g.y * turn.sin;
  const double y = g.x * turn.sin + g.y * turn.cos;
  return {x, r.cosE * y - r.sinE * g.z, r.sinE * y + r.cosE * g.z};
}

// Longitudes (reduced, with the driver's own corrections) and latitudes of
// one moment; element 11 is the mean node. For the planets, also where
// their longitudes came from, for the declinations.
struct PassPositions {
  PointArray Long{}, Lat{};
  std::array<GeoPosition, 8> seen{};
  std::array<double, 8> ahead{};  // as EquatorialOfRect's
};

void RunPass(double T, double T2000, double T1900, double plutoShift, PassPositions& out) {
  out.Long[Sun] = NormalizeDegrees(CalcSunPosition(T).Lambda);
  out.Lat[Sun] = 0;
  const MoonPosition moon = CalcMoonPosition(T);
  out.Long[Moon] = NormalizeDegrees(moon.Lambda);
  out.Lat[Moon] = moon.MoonLat;
  out.Long[NorthNode] = NormalizeDegrees(moon.MeanNode);

  // each element set measures its planets from its own Earth
  const PlanetsSeenFromEarth planets = CalcPlanetsSideBySide(T2000, CalcPerturbationMoment(T1900));
  for (int body = Mercury; body <= Pluto; ++body) {
    const GeoPosition& g = planets.geo[body - Mercury];
    double correction = 0;
    if (body == Uranus) correction = planets.uranusCorrection;
    if (body == Neptune) correction = planets.neptuneCorrection;
    if (body == Pluto) correction = plutoShift;
    double lon = NormalizeDegrees(g.Long);
    if (body >= Jupiter) lon = NormalizeDegrees(lon + correction);
    out.Long[body] = lon;
    out.Lat[body] = g.Lat;
    // the quadrant, the correction and each whole turn the reductions took
    const double turns = std::round((lon - (g.Long + correction)) / 360);
    out.seen[body - Mercury] = g;
    out.ahead[body - Mercury] = QuadrantTurn(g.x, g.y) + correction * Pi / 180 + turns * TurnExcess;
  }
}

// The declinations of points 1 to 10 (element point - 1), their
// arctangents taken together.
std::array<double, Moon> Declinations(const PassPositions& pass, const Rotation& r) {
  const std::array<SinCos, 3> sunMoon = SinCosDegBatch<3>({pass.Long[Sun], pass.Long[Moon], pass.Lat[Moon]});
  std::array<RectCoordinates, Moon> equatorial;
  equatorial[Sun - 1] = Equatorial(sunMoon[0], {0, 1}, r);  // latitude 0
  equatorial[Moon - 1] = Equatorial(sunMoon[1], sunMoon[2], r);
  for (int p = Mercury; p <= Pluto; ++p)
    equatorial[p - 1] = EquatorialOfRect(pass.seen[p - Mercury], pass.ahead[p - Mercury], r);
  return LatitudesOfRects(equatorial);
}

}  // namespace

double EclipticToDeclination(double longitude, double latitude, double obliquity) {
  const SinCos e = SinCosRad(obliquity);
  return Declination(longitude, latitude, {e.cos, e.sin});
}

void CalcPlanetPositions(const EphemerisMoment& m, int skipNextDay, ChartSet& set) {
  // the chart time hands the obliquity over negated; the rotation needs it
  // positive, whichever sign it arrives with
  const double eps = std::fabs(m.Obliquity);
  const SinCos e = SinCosRad(eps);
  const Rotation rot{e.cos, e.sin};
  const double T2000 = (m.JDay - 2451545 + m.DayFraction - 0.5) / 36525;
  const double T1900 = (m.JDay - 2415020 + m.DayFraction - 0.5) / 36525;
  // Pluto's series keeps a fixed equinox: 1.33 degrees a century from
  // 1950 January 1 noon bring it to the equinox of date (the day only)
  const double plutoShift = 1.33 * (m.JDay - 2433283) / 36525;

  set.RetroFlags.assign(NumPoints, ' ');

  PassPositions today;
  RunPass(m.T, T2000, T1900, plutoShift, today);
  for (int p = Sun; p <= NorthNode; ++p) set.Long[p] = today.Long[p];
  const std::array<double, Moon> declinations = Declinations(today, rot);
  for (int p = Sun; p <= Moon; ++p) {
    set.Lat[p] = today.Lat[p];
    set.Decl[p] = declinations[p - 1];
  }
  set.Long[PartOfFortune] = NormalizeDegrees(today.Long[Moon] + m.AscLong - today.Long[Sun]);
  set.Long[Ascendant] = m.AscLong;
  set.Long[Midheaven] = m.MCLong;

  if (skipNextDay == 1) return;

  PassPositions next;
  RunPass(m.T + 1.0 / 36525, T2000 + 1.0 / 36525, T1900 + 1.0 / 36525, plutoShift, next);
  for (int p = Sun; p <= NorthNode; ++p) set.LongNextDay[p] = next.Long[p];
  set.MoonDeclNextDay = Declination(next.Long[Moon], next.Lat[Moon], rot);

  // the Sun never moves backwards and is not tested
  for (int p = Mercury; p <= NorthNode; ++p)
    if (MovesBackwards(set.Long[p], set.LongNextDay[p])) set.RetroFlags[p - 1] = 'R';
}

bool MovesBackwards(double today, double nextDay) {
  double a = today;
  double b = nextDay;
  if (std::fabs(a - b) >= 180) {  // one of the two has crossed 0 Aries
    if (a > b)
      b = b + 360;
    else
      a = a + 360;
  }
  return a > b;
}

EphemerisMoment MomentFromClock(const ChartClock& clock) {
  return {clock.JDay, clock.DayFraction, clock.TCenturies, clock.Obliquity, clock.AscLong, clock.MCLong};
}

EphemerisMoment MeanObliquityMoment(double jday, double dayFraction, double t, double ascLong, double mcLong) {
  // negated, as the chart time hands it over
  return {jday, dayFraction, t, -DegToRad(MeanObliquityDeg(t)), ascLong, mcLong};
}

}  // namespace halcyra
