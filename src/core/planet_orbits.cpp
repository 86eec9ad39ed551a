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
RectCoordinates ToRect(const HelioPosition& h) {
  const std::array<SinCos, 2> bl = SinCosDegBatch<2>({h.Lat, h.Long});
  const SinCos b = bl[0], l = bl[1];
  return {h.Radius * b.cos * l.cos, h.Radius * b.cos * l.sin, h.Radius * b.sin};
}

constexpr double RadiansPerDegree = Pi / 180;

// The sine and cosine of each orbit's eccentric anomaly: Kepler's equation
// by Newton's method from the mean anomaly, until a step is below 1e-7
// degree. Only the start takes a library sine; each step turns the sine
// and cosine on by its own small angle. The orbits take their steps in turn,
// each stopping on its own; the cap only guards against a hang on a
// corrupted orbit.
template <std::size_t N>
std::array<SinCos, N> EccentricAnomalies(const std::array<PlanetOrbit, N>& orbits) {
  constexpr double LastStep = 0.0000001 * RadiansPerDegree;
  std::array<double, N> M, E;
  for (std::size_t k = 0; k < N; ++k) {
    M[k] = orbits[k].M * RadiansPerDegree;
    E[k] = M[k];
  }
  std::array<SinCos, N> sc = SinCosRadBatch(M);
  std::array<bool, N> done{};
  for (int step = 0; step < 100; ++step) {
    bool all = true;
    for (std::size_t k = 0; k < N; ++k) {
      if (done[k]) continue;
      const double e = orbits[k].e;
      const double delta = (M[k] + e * sc[k].sin - E[k]) / (1 - e * sc[k].cos);
      E[k] = E[k] + delta;
      sc[k] = std::fabs(delta) <= 0.5 ? AngleSum(sc[k], SmallAngle(delta)) : SinCosRad(E[k]);
      done[k] = !(std::fabs(delta) >= LastStep);
      all = all && done[k];
    }
    if (all) break;
  }
  return sc;
}

// Heliocentric rectangular coordinates (km) of the orbits at their
// eccentric anomalies. The method takes the true anomaly v by the
// half-angle tangent into [0, 360), the argument of latitude u = w + v into
// the ecliptic by RectToSpherical, adds the node and turns the result back
// into rectangular coordinates; the same follows from sines and cosines
// alone, where each 360 degrees the method adds on the way (v below 0, the
// longitude's quadrant) turns the result on by TurnExcess.
template <std::size_t N>
std::array<RectCoordinates, N> HelioOnOrbits(const std::array<PlanetOrbit, N>& orbits, const std::array<SinCos, N>& E) {
  std::array<double, 3 * N> elements;
  for (std::size_t k = 0; k < N; ++k) {
    elements[3 * k] = orbits[k].w;
    elements[3 * k + 1] = orbits[k].i;
    elements[3 * k + 2] = orbits[k].Node;
  }
  const std::array<SinCos, 3 * N> trig = SinCosDegBatch(elements);
  std::array<RectCoordinates, N> out;
  for (std::size_t k = 0; k < N; ++k) {
    const PlanetOrbit& o = orbits[k];
    const double e = o.e;
    const double q = 1 - e * E[k].cos;
    const double radius = o.a * q;
    const SinCos v{std::sqrt(1 - e * e) * E[k].sin / q, (E[k].cos - e) / q};
    SinCos u = AngleSum(trig[3 * k], v);
    if (E[k].sin < 0) u = TurnedOnByTiny(u, TurnExcess);
    const SinCos i = trig[3 * k + 1];
    const double x = u.cos, y = u.sin * i.cos, z = u.sin * i.sin;
    const SinCos node = TurnedOnByTiny(trig[3 * k + 2], QuadrantTurn(x, y));
    out[k] = {radius * (x * node.cos - y * node.sin), radius * (x * node.sin + y * node.cos), radius * z};
  }
  return out;
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

  const std::array<RectCoordinates, 9> helio = HelioOnOrbits(orbits, EccentricAnomalies(orbits));
  const RectCoordinates pluto = ToRect(PlutoHelioKm(moment.T));

  const RectCoordinates& inner = helio[InnerEarthSlot];
  const RectCoordinates& outer = helio[OuterEarthSlot];
  std::array<RectCoordinates, 8> seen;
  for (int body = Mercury; body <= Pluto; ++body) {
    const RectCoordinates& p = body <= Mars ? helio[body - 1] : body <= Neptune ? helio[body] : pluto;
    const RectCoordinates& earth = body <= Mars ? inner : outer;
    seen[body - Mercury] = {p.x - earth.x, p.y - earth.y, p.z - earth.z};
  }
  const std::array<LongLat, 8> angles = LongLatsOfRects(seen);
  for (std::size_t k = 0; k < seen.size(); ++k)
    out.geo[k] = {angles[k].longitude, angles[k].latitude, seen[k].x, seen[k].y, seen[k].z};
  return out;
}

}  // namespace halcyra
