#include "core/planet_orbits.h"

#include <cmath>

#include "core/angle_helpers.h"
#include "core/ephemeris_trig.h"
#include "core/perturbations_jupiter.h"
#include "core/perturbations_saturn.h"
#include "core/perturbations_uranus_neptune.h"
#include "core/pluto.h"
#include "state/points.h"

namespace halcyra {

namespace {

double Cubic(const CubicElement& c, double T) { return c[0] + c[1] * T + c[2] * T * T + c[3] * T * T * T; }

const OuterElements& OuterRow(int body) {
  for (std::size_t k = 0; k < OuterElementBodies.size(); ++k)
    if (OuterElementBodies[k] == body) return OuterElementTable[k];
  return OuterElementTable[0];
}

// Rectangular ecliptic coordinates of a heliocentric position, km.
struct Rect {
  double x, y, z;
};
Rect ToRect(const HelioPosition& h) {
  const SinCos b = SinCosDeg(h.Lat);
  const SinCos l = SinCosDeg(h.Long);
  return {h.Radius * b.cos * l.cos, h.Radius * b.cos * l.sin, h.Radius * b.sin};
}

void SetEarth(const HelioPosition& helio, EarthPosition& earth) {
  earth.helio = helio;
  const Rect r = ToRect(helio);
  earth.x = r.x;
  earth.y = r.y;
  earth.z = r.z;
}

}  // namespace

PlanetOrbit InnerPlanetOrbit(int body, double T) {
  const InnerElements& c = InnerElementTable[body - 1];
  PlanetOrbit o;
  o.a = c.a * AUKm;
  // none of these is reduced: Mercury's anomaly runs far past 360 and only
  // its sine and cosine matter
  o.e = c.e0 + c.e1 * T;
  o.i = c.i0 + c.i1 * T;
  o.Node = c.Node0 + c.Node1 * T;
  o.Peri = c.Peri0 + c.Peri1 * T;
  o.M = c.M0 + c.M1 * T;
  o.w = o.Peri - o.Node;
  return o;
}

PlanetOrbit OuterPlanetOrbit(int body, double T) {
  const OuterElements& c = OuterRow(body);
  PlanetOrbit o;
  o.L = Cubic(c.L, T);
  o.a = c.a * AUKm;
  o.e = Cubic(c.e, T);
  o.i = Cubic(c.i, T);
  o.w = Cubic(c.w, T);
  o.Node = Cubic(c.Node, T);
  o.Peri = NormalizeDegrees(o.w + o.Node);
  o.M = NormalizeDegrees(o.L - o.Peri);
  // the row holds the Sun's mean longitude: half a turn makes it the Earth's
  // anomaly, left unreduced
  if (body == EarthBody) o.M = o.M + 180;
  return o;
}

GeoPosition CalcInnerPlanetElements(int body, double T2000, EarthPosition& earth) {
  return SolveKepler(body, InnerPlanetOrbit(body, T2000), earth);
}

GeoPosition CalcOuterPlanetElements(int body, const PerturbationMoment& moment, EarthPosition& earth,
                                    double& longitudeCorrection) {
  if (body == Pluto) {
    const PlutoHelio p = CalcPlutoPosition(moment.T);
    return HelioToGeocentric({p.Long, p.Lat, p.Radius * AUKm}, earth);
  }
  PlanetOrbit o = OuterPlanetOrbit(body, moment.T);
  switch (body) {
    case Jupiter: PerturbJupiter(moment, o); break;
    case Saturn: PerturbSaturn(moment, o); break;
    case Uranus: longitudeCorrection = PerturbUranus(moment, o); break;
    case Neptune: longitudeCorrection = PerturbNeptune(moment, o); break;
    default: break;
  }
  return SolveKepler(body, o, earth);
}

GeoPosition CalcOuterPlanetElements(int body, double T1900, EarthPosition& earth,
                                    double& longitudeCorrection) {
  return CalcOuterPlanetElements(body, CalcPerturbationMoment(T1900), earth, longitudeCorrection);
}

GeoPosition SolveKepler(int body, const PlanetOrbit& orbit, EarthPosition& earth) {
  const double e = orbit.e;
  const double M = orbit.M;
  const double eDeg = e * 180 / Pi;
  double E = M;
  // Newton converges in a handful of steps for these small eccentricities;
  // the cap only guards against a hang on a corrupted orbit
  for (int step = 0; step < 100; ++step) {
    const SinCos sc = SinCosDeg(E);
    const double E1 = E + (M + eDeg * sc.sin - E) / (1 - e * sc.cos);
    const bool done = !(std::fabs(E1 - E) >= 0.0000001);
    E = E1;
    if (done) break;
  }
  const double r = orbit.a * (1 - e * CosDeg(E));
  const double v = NormalizeDegrees(2 * RadToDeg(std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(Pi * E / 360))));
  const EclipticPoint p = OrbitToEcliptic(orbit.w + v, orbit.i, orbit.Node);
  if (body == EarthBody) {
    SetEarth({p.Long, p.Lat, r}, earth);
    return {};
  }
  return HelioToGeocentric({p.Long, p.Lat, r}, earth);
}

EclipticPoint OrbitToEcliptic(double u, double i, double Node) {
  const SinCos su = SinCosDeg(u);
  const SinCos si = SinCosDeg(i);
  const LongLat s = LongLatOfRect(su.cos, su.sin * si.cos, su.sin * si.sin);
  return {s.longitude + Node, s.latitude};
}

GeoPosition HelioToGeocentric(const HelioPosition& planet, const EarthPosition& earth) {
  const Rect p = ToRect(planet);
  const LongLat s = LongLatOfRect(p.x - earth.x, p.y - earth.y, p.z - earth.z);
  return {s.longitude, s.latitude};
}

}  // namespace halcyra
