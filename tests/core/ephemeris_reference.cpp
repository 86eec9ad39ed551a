// The plain long double evaluation of an ephemeris pass.
#include "ephemeris_test_support.h"

#include <cmath>
#include <iterator>

#include "core/moon_series.h"
#include "core/perturbations_jupiter.h"
#include "core/perturbations_saturn.h"
#include "core/perturbations_uranus_neptune.h"
#include "core/planet_orbits.h"
#include "core/pluto.h"
#include "core/sun.h"

namespace halcyra::testing {
namespace {

using Real = long double;

constexpr Real TenDecimalPi = 3.1415926535L;
constexpr Real KmPerAU = 149597870;

Real Sin(Real degrees) { return sinl(degrees * TenDecimalPi / 180); }
Real Cos(Real degrees) { return cosl(degrees * TenDecimalPi / 180); }
Real Degrees(Real radians) { return radians * 180 / TenDecimalPi; }

Real Reduce(Real degrees) {
  Real r = degrees - 360 * floorl(degrees / 360);
  if (r >= 360) r -= 360;
  return r;
}

struct Spherical { Real lon, lat; };

// Longitude by the half-angle arctangent, [0, 360), and latitude.
Spherical FromRect(Real x, Real y, Real z) {
  const Real rho = sqrtl(x * x + y * y);
  Spherical s{0, 0};
  if (x != 0 || y != 0) {
    const Real half = 2 * Degrees(atanl(y / (fabsl(x) + rho)));
    if (x >= 0)
      s.lon = y >= 0 ? half : half + 360;
    else
      s.lon = 180 - half;
  }
  if (rho == 0)
    s.lat = z > 0 ? 90 : (z < 0 ? -90 : 0);
  else
    s.lat = Degrees(atanl(z / rho));
  return s;
}

Real Declination(Real lon, Real lat, Real obliquityRad) {
  const Real ce = cosl(obliquityRad), se = sinl(obliquityRad);
  const Real x = Cos(lat) * Cos(lon);
  const Real y = ce * Cos(lat) * Sin(lon) - se * Sin(lat);
  const Real z = se * Cos(lat) * Sin(lon) + ce * Sin(lat);
  return FromRect(x, y, z).lat;
}

template <class Terms>
Real SunTerms(const Terms& terms, Real A, Real g) {
  Real sum = 0;
  for (const SunPlanetTerm& t : terms) sum += t.c * Cos(t.K + t.a * A + t.b * g);
  return sum;
}

Real SunLongitude(Real T) {
  const Real P = (1.882L - 0.016L * T) * Sin(57.24L + 150.27L * T) + 6.4L * Sin(231.19L + 20.2L * T) +
                 0.266L * Sin(31.8L + 119 * T);
  const Real L = Reduce(279.6966778L + 36000 * T + (2768.13L * T + 1.089L * T * T + 0.202L * Sin(315.6L + 893.3L * T) + P) / 3600);
  const Real g = Reduce(358.4758333L + 35999 * T + (179.1L * T - 0.54L * T * T + P) / 3600);
  const Real V = Reduce(212.45L + 58517.493L * T);
  const Real Ma = Reduce(319.58L + 19139.977L * T);
  const Real J = Reduce(225.28L + 3034.583L * T + (1300.0L / 3600) * Sin(133.775L + 39.804L * T));
  const Real S = Reduce(175.6L + 1221.794L * T);
  const Real D = Reduce(350.737486L + 445267.114217L * T);
  const Real l = Reduce(296.104608L + 477198.849108L * T);
  const Real C = (6910.057L - 17.24L * T) * Sin(g) + (72.338L - 0.361L * T) * Sin(2 * g) + 1.054L * Sin(3 * g);
  const Real moon = 6.454L * Sin(D) + 0.177L * Sin(D + l) - 0.424L * Sin(D - l) + 0.172L * Sin(D - g);
  const Real trueLong = L + C / 3600 + SunTerms(SunVenusTerms, V, g) / 3600 + SunTerms(SunMarsTerms, Ma, g) / 3600 +
                        SunTerms(SunJupiterTerms, J, g) / 3600 + SunTerms(SunSaturnTerms, S, g) / 3600 + moon / 3600;
  return trueLong - 0.00569L - 0.00479L * Sin(259.18L - 1934.142L * T);
}

struct MoonResult { Real lon, lat, node; };

MoonResult MoonPosition(Real T) {
  const Real T2 = T * T, T3 = T2 * T;
  const Real Lp = Reduce(270.434164L + 481267.883142L * T - 0.001133L * T2 + 0.0000019L * T3);
  const Real Mp = Reduce(296.104608L + 477198.849108L * T + 0.009192L * T2 + 0.0000144L * T3);
  const Real Om = Reduce(259.183275L - 1934.142008L * T + 0.002078L * T2 + 0.0000022L * T3);
  const Real L = Reduce(279.696678L + 36000.768925L * T + 0.000303L * T2);
  const Real M = Reduce(358.475833L + 35999.04975L * T - 0.00015L * T2 - 0.0000033L * T3);
  const Real D = Lp - L, F = Lp - Om;
  Real nutation = 0;
  for (const MoonNutationTerm& t : MoonNutationTerms)
    nutation += t.c * Sin(t.Lp * Lp + t.Mp * Mp + t.Omega * Om + t.L * L + t.M * M) / 3600;
  Real series = 0;
  for (const MoonLongitudeTerm& t : MoonLongitudeTerms) series += t.c / 3600 * Sin(t.D * D + t.M * M + t.Mp * Mp + t.F * F);
  MoonResult r;
  r.lon = Reduce((series + nutation) + Lp);
  r.node = Om;
  const Real S = r.lon - Om + 0.114L * Sin(2 * F) + 0.15L * Sin(M);
  const Real X = 2 * L - Lp - Om;
  r.lat = 0;
  for (const MoonLatitudeTerm& t : MoonLatitudeTerms) r.lat += t.c * Sin(t.S * S + t.X * X + t.F * F + t.Mp * Mp + t.M * M) / 3600;
  return r;
}

struct Orbit { Real a, e, i, Node, w, M; };

struct Helio { Real lon, lat, radius; };

Helio SolveOrbit(const Orbit& o) {
  const Real eDeg = o.e * 180 / TenDecimalPi;
  Real E = o.M;
  for (;;) {
    const Real E1 = E + (o.M + eDeg * Sin(E) - E) / (1 - o.e * Cos(E));
    const bool done = !(fabsl(E1 - E) >= 0.0000001L);
    E = E1;
    if (done) break;
  }
  const Real radius = o.a * (1 - o.e * Cos(E));
  const Real v = Reduce(2 * Degrees(atanl(sqrtl((1 + o.e) / (1 - o.e)) * tanl(TenDecimalPi * E / 360))));
  const Real u = o.w + v;
  const Spherical s = FromRect(Cos(u), Sin(u) * Cos(o.i), Sin(u) * Sin(o.i));
  return {s.lon + o.Node, s.lat, radius};
}

Spherical Geocentric(const Helio& planet, const Helio& earth) {
  const Real x = planet.radius * Cos(planet.lat) * Cos(planet.lon) - earth.radius * Cos(earth.lat) * Cos(earth.lon);
  const Real y = planet.radius * Cos(planet.lat) * Sin(planet.lon) - earth.radius * Cos(earth.lat) * Sin(earth.lon);
  const Real z = planet.radius * Sin(planet.lat) - earth.radius * Sin(earth.lat);
  return FromRect(x, y, z);
}

Orbit InnerOrbit(int body, Real T) {
  const InnerElements& c = InnerElementTable[body - 1];
  Orbit o;
  o.a = c.a * KmPerAU;
  o.e = c.e0 + c.e1 * T;
  o.i = c.i0 + c.i1 * T;
  o.Node = c.Node0 + c.Node1 * T;
  o.M = c.M0 + c.M1 * T;
  o.w = (c.Peri0 + c.Peri1 * T) - o.Node;
  return o;
}

Real Cubic(const CubicElement& c, Real T) { return c[0] + c[1] * T + c[2] * T * T + c[3] * T * T * T; }

Orbit OuterOrbit(int row, Real T) {
  const OuterElements& c = OuterElementTable[row];
  Orbit o;
  o.a = c.a * KmPerAU;
  o.e = Cubic(c.e, T);
  o.i = Cubic(c.i, T);
  o.w = Cubic(c.w, T);
  o.Node = Cubic(c.Node, T);
  o.M = Reduce(Cubic(c.L, T) - Reduce(o.w + o.Node));
  if (row == 0) o.M += 180;  // the Sun's mean elements turned into the Earth's
  return o;
}

// The arguments of the perturbation series, never reduced; eta and theta
// only for Uranus and Neptune, which also read a zeta of their own.
struct Arguments { Real nu, P, Q, S, V, W, zeta, psi, G, H, eta, theta; };

Arguments PerturbationArguments(Real T) {
  Arguments g;
  g.nu = T / 5 + 0.1L;
  g.P = 237.47555L + 3034.9061L * T;
  g.Q = 265.9165L + 1222.1139L * T;
  g.S = 243.51721L + 428.4677L * T;
  g.V = 5 * g.Q - 2 * g.P;
  g.W = 2 * g.P - 6 * g.Q + 3 * g.S;
  g.zeta = g.Q - g.P;
  g.psi = g.S - g.Q;
  g.G = 83.76922L + 218.4901L * T;
  g.H = 2 * g.G - g.S;
  return g;
}

// Uranus and Neptune read their own zeta, eta and theta.
Arguments Own(Arguments g, Real zeta, Real eta, Real theta) {
  g.zeta = zeta;
  g.eta = eta;
  g.theta = theta;
  return g;
}

// A factor of the perturbation series: the sine or cosine of n x + m y.
using A = Arguments;
struct Trig { bool sine; int n; Real A::*x; int m = 0; Real A::*y = &A::V; };

// In the order of JupiterSaturnTrig and UranusNeptuneTrig (the coefficient
// sums count that order); One is the cosine of 0.
const Trig JupiterSaturnFactors[] = {
    {false, 0, &A::V},   {true, 1, &A::V},    {false, 1, &A::V},   {true, 2, &A::V},    {false, 2, &A::V},
    {true, 1, &A::W},    {true, 1, &A::zeta}, {true, 2, &A::zeta}, {true, 3, &A::zeta}, {true, 4, &A::zeta},
    {true, 5, &A::zeta}, {false, 1, &A::zeta}, {false, 2, &A::zeta}, {false, 3, &A::zeta}, {false, 4, &A::zeta},
    {false, 5, &A::zeta}, {true, 1, &A::Q},   {true, 2, &A::Q},    {true, 3, &A::Q},    {true, 4, &A::Q},
    {false, 1, &A::Q},   {false, 2, &A::Q},   {false, 3, &A::Q},   {false, 4, &A::Q},   {true, 2, &A::psi},
    {false, 2, &A::psi}, {true, 3, &A::psi},  {false, 3, &A::psi},
};
const Trig UranusNeptuneFactors[] = {
    {false, 0, &A::V},   {true, 1, &A::H},    {false, 1, &A::H},   {true, 2, &A::H},    {false, 2, &A::H},
    {true, 1, &A::W},    {true, 1, &A::S, 1, &A::eta}, {false, 1, &A::S, 1, &A::eta}, {false, 2, &A::S, 1, &A::eta},
    {true, 1, &A::S, 3, &A::theta}, {true, 1, &A::zeta}, {true, 1, &A::eta}, {false, 1, &A::eta},
    {true, 1, &A::theta}, {true, 2, &A::theta}, {false, 2, &A::theta}, {true, 3, &A::theta}, {true, 1, &A::G},
    {false, 1, &A::G},
};
static_assert(std::size(JupiterSaturnFactors) == std::size_t(JupiterSaturnTrig::Count));
static_assert(std::size(UranusNeptuneFactors) == std::size_t(UranusNeptuneTrig::Count));

Real Factor(const Trig& f, const Arguments& g) {
  const Real angle = f.n * (g.*f.x) + f.m * (g.*f.y);
  return f.sine ? Sin(angle) : Cos(angle);
}

template <class Terms, std::size_t N>
Real Series(const Terms& terms, const Trig (&factors)[N], const Arguments& g) {
  Real sum = 0;
  for (const auto& t : terms)
    sum += (t.c0 + t.c1 * g.nu + t.c2 * g.nu * g.nu) * Factor(factors[std::size_t(t.f1)], g) *
           Factor(factors[std::size_t(t.f2)], g);
  return sum;
}

// The corrections in the order they apply, e taken before its own.
void Correct(Orbit& o, Real Mbase, Real A, Real B, Real q, Real daAU) {
  o.M = Mbase + A - B / o.e;
  o.w = o.w + B / o.e;
  o.e = o.e + q;
  o.a = o.a + daAU * KmPerAU;
}

Helio PlutoHelio(Real T) {
  const Real J = Reduce(238.74L + 3034.9057L * T);
  const Real S = Reduce(267.26L + 1222.1138L * T);
  const Real P = Reduce(93.48L + 144.96L * T);
  Real lon = 0, lat = 0, rad = 0;
  for (const PlutoTerm& t : PlutoTerms) {
    const Real a = t.j * J + t.s * S + t.p * P;
    lon += t.lonSin * Sin(a) + t.lonCos * Cos(a);
    lat += t.latSin * Sin(a) + t.latCos * Cos(a);
    rad += t.radSin * Sin(a) + t.radCos * Cos(a);
  }
  return {144.96L * T + 93.297471L + lon / 1000000, lat / 1000000 - 3.909434L, (rad / 1000000 + 40.724725L) * KmPerAU};
}

// Longitudes (reduced, corrected) and latitudes of bodies 1 to 11 at one
// moment's three century counts.
struct Positions { Real lon[12], lat[12]; };

Positions Evaluate(Real T, Real T2000, Real T1900, Real plutoShift) {
  Positions p{};
  p.lon[Sun] = Reduce(SunLongitude(T));
  const MoonResult moon = MoonPosition(T);
  p.lon[Moon] = moon.lon;
  p.lat[Moon] = moon.lat;
  p.lon[NorthNode] = moon.node;

  const Helio innerEarth = SolveOrbit(InnerOrbit(1, T2000));
  for (int body = Mercury; body <= Mars; ++body) {
    const Spherical s = Geocentric(SolveOrbit(InnerOrbit(body, T2000)), innerEarth);
    p.lon[body] = Reduce(s.lon);
    p.lat[body] = s.lat;
  }

  const Helio outerEarth = SolveOrbit(OuterOrbit(0, T1900));
  const Arguments g = PerturbationArguments(T1900);
  const auto& JS = JupiterSaturnFactors;
  const auto& UN = UranusNeptuneFactors;
  Orbit jupiter = OuterOrbit(1, T1900);
  Correct(jupiter, jupiter.M, Series(JupiterMeanLongitudeTerms, JS, g), Series(JupiterPerihelionTerms, JS, g),
          Series(JupiterEccentricityTerms, JS, g) / 10000000, Series(JupiterSemiAxisTerms, JS, g) / 1000000);
  Orbit saturn = OuterOrbit(2, T1900);
  Correct(saturn, saturn.M, Series(SaturnMeanLongitudeTerms, JS, g), Series(SaturnPerihelionTerms, JS, g),
          Series(SaturnEccentricityTerms, JS, g) / 10000000, Series(SaturnSemiAxisTerms, JS, g) / 1000000);
  const Arguments u = Own(g, g.S - g.P, g.S - g.Q, g.G - g.S), n = Own(g, g.G - g.P, g.G - g.Q, g.G - g.S);
  Orbit uranus = OuterOrbit(3, T1900);
  Correct(uranus, 72.64878L + 428.37911L * T1900 + 0.000079L * T1900 * T1900, Series(UranusMeanLongitudeTerms, UN, u),
          Series(UranusPerihelionTerms, UN, u), Series(UranusEccentricityTerms, UN, u) / 10000000,
          Series(UranusSemiAxisTerms, UN, u));
  Orbit neptune = OuterOrbit(4, T1900);
  Correct(neptune, 37.73063L + 218.46134L * T1900 - 0.00007L * T1900 * T1900, Series(NeptuneMeanLongitudeTerms, UN, n),
          Series(NeptunePerihelionTerms, UN, n), Series(NeptuneEccentricityTerms, UN, n) / 10000000,
          Series(NeptuneSemiAxisTerms, UN, n) / 1000000);
  const Real correction[] = {0, 0, Series(UranusLongitudeTerms, UN, u), Series(NeptuneLongitudeTerms, UN, n)};
  const Orbit* outer[] = {&jupiter, &saturn, &uranus, &neptune};
  for (int body = Jupiter; body <= Neptune; ++body) {
    const Spherical s = Geocentric(SolveOrbit(*outer[body - Jupiter]), outerEarth);
    p.lon[body] = Reduce(Reduce(s.lon) + correction[body - Jupiter]);
    p.lat[body] = s.lat;
  }
  const Spherical s = Geocentric(PlutoHelio(T1900), outerEarth);
  p.lon[Pluto] = Reduce(Reduce(s.lon) + plutoShift);
  p.lat[Pluto] = s.lat;
  return p;
}

}  // namespace

ReferencePass EvaluateReferencePass(const EphemerisMoment& m) {
  const Real jday = m.JDay, fraction = m.DayFraction, T = m.T;
  const Real eps = fabsl(static_cast<Real>(m.Obliquity));
  const Real T2000 = (jday - 2451545 + fraction - 0.5L) / 36525;
  const Real T1900 = (jday - 2415020 + fraction - 0.5L) / 36525;
  const Real plutoShift = 1.33L * (jday - 2433283) / 36525;
  const Real day = 1.0L / 36525;

  ReferencePass r;
  const Positions today = Evaluate(T, T2000, T1900, plutoShift);
  for (int p = Sun; p <= NorthNode; ++p) r.Long[p] = today.lon[p];
  for (int p = Sun; p <= Moon; ++p) {
    r.Lat[p] = today.lat[p];
    r.Decl[p] = Declination(today.lon[p], today.lat[p], eps);
  }
  r.Long[PartOfFortune] = Reduce(today.lon[Moon] + m.AscLong - today.lon[Sun]);
  r.Long[Ascendant] = m.AscLong;
  r.Long[Midheaven] = m.MCLong;

  const Positions next = Evaluate(T + day, T2000 + day, T1900 + day, plutoShift);
  for (int p = Sun; p <= NorthNode; ++p) r.NextDay[p] = next.lon[p];
  r.MoonDeclNextDay = Declination(next.lon[Moon], next.lat[Moon], eps);
  return r;
}

}  // namespace halcyra::testing
