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

// Kepler's equation for each orbit by Newton's method to 1e-7 degree,
// starting from the mean anomaly. The orbits take their steps in turn, each
// stopping on its own; the cap only guards against a hang on a corrupted
// orbit.
template <std::size_t N>
std::array<double, N> EccentricAnomalies(const std::array<PlanetOrbit, N>& orbits) {
  std::array<double, N> E, eDeg;
  std::array<bool, N> done{};
  for (std::size_t k = 0; k < N; ++k) {
    E[k] = orbits[k].M;
    eDeg[k] = orbits[k].e * 180 / Pi;
  }
  for (int step = 0; step < 100; ++step) {
    bool all = true;
    for (std::size_t k = 0; k < N; ++k) {
      if (done[k]) continue;
      const double e = orbits[k].e;
      const SinCos sc = SinCosDeg(E[k]);
      const double E1 = E[k] + (orbits[k].M + eDeg[k] * sc.sin - E[k]) / (1 - e * sc.cos);
      done[k] = !(std::fabs(E1 - E[k]) >= 0.0000001);
      E[k] = E1;
      all = all && done[k];
    }
    if (all) break;
  }
  return E;
}

// Heliocentric positions on orbits at their eccentric anomalies E
// (degrees), one step for all orbits before the next, so that the
// processor works on several orbits' dependent sines at once.
template <std::size_t N>
std::array<HelioPosition, N> HelioOnOrbits(const std::array<PlanetOrbit, N>& orbits, const std::array<double, N>& E) {
  std::array<HelioPosition, N> helio;
  std::array<double, N> v;
  for (std::size_t k = 0; k < N; ++k) {
    const double e = orbits[k].e;
    helio[k].Radius = orbits[k].a * (1 - e * CosDeg(E[k]));
    v[k] = NormalizeDegrees(2 * RadToDeg(std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(Pi * E[k] / 360))));
  }
  for (std::size_t k = 0; k < N; ++k) {
    const EclipticPoint p = OrbitToEcliptic(orbits[k].w + v[k], orbits[k].i, orbits[k].Node);
    helio[k].Long = p.Long;
    helio[k].Lat = p.Lat;
  }
  return helio;
}

// An outer planet's orbit for the moment with its perturbations; Uranus and
// Neptune set longitudeCorrection, the others leave it alone.
PlanetOrbit PerturbedOuterOrbit(int body, const PerturbationMoment& moment, double& longitudeCorrection) {
  PlanetOrbit o = OuterPlanetOrbit(body, moment.T);
  switch (body) {
    case Jupiter: PerturbJupiter(moment, o); break;
    case Saturn: PerturbSaturn(moment, o); break;
    case Uranus: longitudeCorrection = PerturbUranus(moment, o); break;
    case Neptune: longitudeCorrection = PerturbNeptune(moment, o); break;
    default: break;
  }
  return o;
}

HelioPosition PlutoHelioKm(double T1900) {
  const PlutoHelio p = CalcPlutoPosition(T1900);
  return {p.Long, p.Lat, p.Radius * AUKm};
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
  if (body == Pluto) return HelioToGeocentric(PlutoHelioKm(moment.T), earth);
  return SolveKepler(body, PerturbedOuterOrbit(body, moment, longitudeCorrection), earth);
}

GeoPosition CalcOuterPlanetElements(int body, double T1900, EarthPosition& earth,
                                    double& longitudeCorrection) {
  return CalcOuterPlanetElements(body, CalcPerturbationMoment(T1900), earth, longitudeCorrection);
}

GeoPosition SolveKepler(int body, const PlanetOrbit& orbit, EarthPosition& earth) {
  const std::array<PlanetOrbit, 1> one{orbit};
  const HelioPosition helio = HelioOnOrbits(one, EccentricAnomalies(one))[0];
  if (body == EarthBody) {
    SetEarth(helio, earth);
    return {};
  }
  return HelioToGeocentric(helio, earth);
}

PlanetsSeenFromEarth CalcPlanetsSideBySide(double T2000, const PerturbationMoment& moment) {
  // slots 0 to 3: the inner set's Earth, Mercury, Venus, Mars; 4 to 8: the
  // outer set's Earth, Jupiter, Saturn, Uranus, Neptune
  constexpr int InnerEarthSlot = 0, OuterEarthSlot = 4;
  PlanetsSeenFromEarth out;
  std::array<PlanetOrbit, 9> orbits;
  for (int body = EarthBody; body <= Mars; ++body) orbits[body - 1] = InnerPlanetOrbit(body, T2000);
  orbits[OuterEarthSlot] = OuterPlanetOrbit(EarthBody, moment.T);
  double unused = 0;
  orbits[Jupiter] = PerturbedOuterOrbit(Jupiter, moment, unused);
  orbits[Saturn] = PerturbedOuterOrbit(Saturn, moment, unused);
  orbits[Uranus] = PerturbedOuterOrbit(Uranus, moment, out.uranusCorrection);
  orbits[Neptune] = PerturbedOuterOrbit(Neptune, moment, out.neptuneCorrection);

  const std::array<HelioPosition, 9> helio = HelioOnOrbits(orbits, EccentricAnomalies(orbits));
  const HelioPosition pluto = PlutoHelioKm(moment.T);

  // HelioToGeocentric in two steps, each for all planets in turn
  const Rect inner = ToRect(helio[InnerEarthSlot]);
  const Rect outer = ToRect(helio[OuterEarthSlot]);
  std::array<Rect, 8> seen;
  for (int body = Mercury; body <= Pluto; ++body) {
    const HelioPosition& planet = body <= Mars ? helio[body - 1] : body <= Neptune ? helio[body] : pluto;
    const Rect& earth = body <= Mars ? inner : outer;
    const Rect p = ToRect(planet);
    seen[body - Mercury] = {p.x - earth.x, p.y - earth.y, p.z - earth.z};
  }
  for (std::size_t k = 0; k < seen.size(); ++k) {
    const LongLat s = LongLatOfRect(seen[k].x, seen[k].y, seen[k].z);
    out.geo[k] = {s.longitude, s.latitude};
  }
  return out;
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
