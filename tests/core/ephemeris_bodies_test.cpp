// The body routines of the ephemeris on their own: the Sun and Moon at the
// edges of their ranges, Kepler's equation, the orbit rotations, the element
// steps and the perturbation arguments.
#include <gtest/gtest.h>

#include <cmath>

#include "core/angle_helpers.h"
#include "core/ephemeris_trig.h"
#include "core/moon.h"
#include "core/perturbation_args.h"
#include "core/perturbations_jupiter.h"
#include "core/perturbations_saturn.h"
#include "core/perturbations_uranus_neptune.h"
#include "core/planet_orbits.h"
#include "core/sun.h"
#include "state/points.h"

namespace halcyra {
namespace {

// Centuries from JD 2415020 over 1800 to 2100, stepped by an odd number of
// days so the sweep visits every phase of the fast arguments.
template <class F>
void ForCenturies(F f) {
  for (double t = -1.0; t <= 2.0; t += 37.3 / 36525) f(t);
}

TEST(EphemerisSun, LongitudeIsReducedWhileLambdaStaysNearTheCircle) {
  ForCenturies([](double t) {
    const SunPosition s = CalcSunPosition(t);
    ASSERT_GE(s.SunLong, 0) << t;
    ASSERT_LT(s.SunLong, 360) << t;
    ASSERT_GT(s.Lambda, -5) << t;
    ASSERT_LT(s.Lambda, 365) << t;
    ASSERT_DOUBLE_EQ(s.SunLong, NormalizeDegrees(s.Lambda)) << t;
  });
}

TEST(EphemerisMoon, NodeAtTheEpochIsTheConstantOfItsPolynomial) {
  EXPECT_EQ(CalcMoonPosition(0).MeanNode, 259.183275);
}

TEST(EphemerisMoon, ResultsStayInRangeBeforeAndAfter1900) {
  ForCenturies([](double t) {
    const MoonPosition m = CalcMoonPosition(t);
    ASSERT_GE(m.MoonLong, 0) << t;
    ASSERT_LT(m.MoonLong, 360) << t;
    ASSERT_GE(m.MeanNode, 0) << t;
    ASSERT_LT(m.MeanNode, 360) << t;
    ASSERT_LE(std::fabs(m.MoonLat), 5.4) << t;  // the lunar orbit's inclination
  });
}

// Kepler's equation against an independent bisection, on the Earth's slot
// (inclination and node 0, so the heliocentric longitude is w + v).
TEST(EphemerisKepler, SolutionMatchesBisection) {
  struct Case {
    double e, M;
  };
  const Case cases[] = {{0, 30}, {0.0167, 357}, {0.2056, 100}, {0.2056, 181}, {0.25, 3.5}, {0.0934, 270}};
  for (const Case& c : cases) {
    const double Mrad = c.M * 3.141592653589793 / 180;
    double lo = Mrad - 1, hi = Mrad + 1;  // E - e sin E - M is increasing
    for (int i = 0; i < 200; ++i) {
      const double mid = (lo + hi) / 2;
      (mid - c.e * std::sin(mid) - Mrad > 0 ? hi : lo) = mid;
    }
    const double E = lo;
    const double v = 2 * std::atan(std::sqrt((1 + c.e) / (1 - c.e)) * std::tan(E / 2)) * 180 / 3.141592653589793;
    PlanetOrbit o;
    o.a = AUKm;
    o.e = c.e;
    o.M = c.M;
    EarthPosition earth;
    SolveKepler(EarthBody, o, earth);
    EXPECT_NEAR(earth.helio.Long, NormalizeDegrees(v), 2e-6) << "e " << c.e << " M " << c.M;
    EXPECT_NEAR(earth.helio.Radius, AUKm * (1 - c.e * std::cos(E)), 1) << "e " << c.e << " M " << c.M;
    EXPECT_EQ(earth.helio.Lat, 0);
  }
}

TEST(EphemerisOrbits, OrbitPlaneRotation) {
  struct Case {
    double u, i, node, lon, lat;
  };
  const Case cases[] = {
      {30, 0, 0, 30, 0},     {390, 0, 0, 30, 0},   {-30, 0, 0, 330, 0},
      {90, 60, 0, 90, 60},   {90, 10, 0, 90, 10},  {0, 10, 40, 40, 0},
      {300, 0, 100, 400, 0},  // the node is added after the reduction
  };
  for (const Case& c : cases) {
    const EclipticPoint p = OrbitToEcliptic(c.u, c.i, c.node);
    EXPECT_NEAR(p.Long, c.lon, 1e-7) << c.u << " " << c.i << " " << c.node;
    EXPECT_NEAR(p.Lat, c.lat, 1e-7) << c.u << " " << c.i << " " << c.node;
  }
}

TEST(EphemerisOrbits, GeocentricIsThePlanetSeenFromTheEarth) {
  EarthPosition earth;
  PlanetOrbit o;
  o.a = AUKm;
  o.M = 180;  // a circular orbit: the Earth at 180 degrees, 1 AU
  SolveKepler(EarthBody, o, earth);
  // a planet at 90 degrees, 2 AU, 3 degrees north: seen from the Earth it
  // stands at (1, 2 cos 3, 2 sin 3) AU
  const double rad = 3.141592653589793 / 180;
  const GeoPosition g = HelioToGeocentric({90, 3, 2 * AUKm}, earth);
  const double y = 2 * std::cos(3 * rad);
  const double z = 2 * std::sin(3 * rad);
  EXPECT_NEAR(g.Long, std::atan2(y, 1) / rad, 1e-6);
  EXPECT_NEAR(g.Lat, std::atan(z / std::hypot(1, y)) / rad, 1e-6);
}

TEST(EphemerisOrbits, ElementStepsAtTheirEpochs) {
  const PlanetOrbit mercury = InnerPlanetOrbit(Mercury, 0);
  EXPECT_EQ(mercury.a, 0.387099 * AUKm);
  EXPECT_EQ(mercury.e, 0.205634);
  EXPECT_EQ(mercury.M, 174.7947);
  EXPECT_EQ(mercury.w, 77.4552 - 48.331);

  // Mercury's anomaly is left unreduced
  EXPECT_GT(InnerPlanetOrbit(Mercury, 0.5).M, 360 * 200);

  const PlanetOrbit jupiter = OuterPlanetOrbit(Jupiter, 0);
  EXPECT_EQ(jupiter.e, 0.04833475);
  EXPECT_EQ(jupiter.Peri, NormalizeDegrees(273.277558 + 99.443414));
  EXPECT_EQ(jupiter.M, NormalizeDegrees(238.049257 - jupiter.Peri));
}

TEST(EphemerisOrbits, OuterEarthAnomalyIsHalfATurnOnAndUnreduced) {
  ForCenturies([](double t) {
    const PlanetOrbit earth = OuterPlanetOrbit(EarthBody, t);
    ASSERT_GE(earth.M, 180) << t;
    ASSERT_LT(earth.M, 540) << t;
  });
}

TEST(EphemerisPerturbations, ArgumentsAtTheEpoch) {
  const PerturbationArgs g = CalcPerturbationArgs(0);
  EXPECT_EQ(g.Nu, 0.1);
  EXPECT_EQ(g.P, 237.47555);
  EXPECT_EQ(g.Q, 265.9165);
  EXPECT_EQ(g.S, 243.51721);
  EXPECT_EQ(g.V, 5 * 265.9165 - 2 * 237.47555);
  EXPECT_EQ(g.W, 2 * 237.47555 - 6 * 265.9165 + 3 * 243.51721);
  EXPECT_EQ(g.Zeta, 265.9165 - 237.47555);
  EXPECT_EQ(g.Psi, 243.51721 - 265.9165);
}

// Uranus and Neptune take their own mean anomaly; the element step's M does
// not reach the result.
TEST(EphemerisPerturbations, UranusAndNeptuneIgnoreTheElementStepAnomaly) {
  for (int body : {Uranus, Neptune}) {
    PlanetOrbit a = OuterPlanetOrbit(body, 0.9);
    PlanetOrbit b = a;
    b.M += 123;
    b.L += 45;
    const double corrA = body == Uranus ? PerturbUranus(0.9, a) : PerturbNeptune(0.9, a);
    const double corrB = body == Uranus ? PerturbUranus(0.9, b) : PerturbNeptune(0.9, b);
    EXPECT_EQ(a.M, b.M) << body;
    EXPECT_EQ(corrA, corrB) << body;
  }
}

// The corrections keep their size over 1800 to 2100 (measured largest:
// anomaly Jupiter 1.37, Saturn 5.52, Uranus 1.70, Neptune 4.53 degrees;
// eccentricity 0.00097, 0.00479, 0.00130, 0.00052; semi-axis 0.0021,
// 0.0403, 0.0020, 0.0046 AU), so a coefficient read in the wrong unit
// shows up as a tenfold excess.
TEST(EphemerisPerturbations, CorrectionsStayWithinTheirKnownSize) {
  struct Limit {
    int body;
    double dM, de, da;
  };
  const Limit limits[] = {{Jupiter, 1.6, 0.0012, 0.0025}, {Saturn, 6, 0.0055, 0.045}, {Uranus, 2, 0.0015, 0.0025},
                          {Neptune, 5, 0.0006, 0.0055}};
  ForCenturies([&](double t) {
    const PerturbationMoment m = CalcPerturbationMoment(t);
    for (const Limit& l : limits) {
      const PlanetOrbit mean = OuterPlanetOrbit(l.body, t);
      PlanetOrbit o = mean;
      double base = mean.M;
      switch (l.body) {
        case Jupiter: PerturbJupiter(m, o); break;
        case Saturn: PerturbSaturn(m, o); break;
        case Uranus: PerturbUranus(m, o); base = m.uranusM0; break;
        default: PerturbNeptune(m, o); base = m.neptuneM0; break;
      }
      const double dM = std::remainder(o.M - base, 360.0);
      ASSERT_LT(std::fabs(dM), l.dM) << l.body << " T " << t;
      ASSERT_LT(std::fabs(o.e - mean.e), l.de) << l.body << " T " << t;
      ASSERT_LT(std::fabs(o.a - mean.a) / AUKm, l.da) << l.body << " T " << t;
    }
  });
}

// The shared per-moment arguments give the same bits as the routines that
// work out their own.
TEST(EphemerisPerturbations, SharedMomentGivesTheSameBits) {
  for (double t : {-0.3, 0.0, 0.71, 1.64}) {
    const PerturbationMoment m = CalcPerturbationMoment(t);
    PlanetOrbit a = OuterPlanetOrbit(Saturn, t), b = a;
    PerturbSaturn(m, a);
    PerturbSaturn(t, b);
    EXPECT_EQ(a.M, b.M);
    EXPECT_EQ(a.a, b.a);
    PlanetOrbit c = OuterPlanetOrbit(Jupiter, t), d = c;
    PerturbJupiter(m, c);
    PerturbJupiter(t, d);
    EXPECT_EQ(c.w, d.w);
    EXPECT_EQ(c.e, d.e);
  }
}

// The ephemeris takes sine and cosine of one angle from one call; that must
// not change a bit against SinDeg and CosDeg, over angles as large as
// Mercury's unreduced anomaly.
TEST(EphemerisTrig, SinCosDegGivesTheBitsOfSinDegAndCosDeg) {
  double x = -2e5;
  for (int i = 0; i < 400000; ++i) {
    const SinCos sc = SinCosDeg(x);
    ASSERT_EQ(sc.sin, SinDeg(x)) << x;
    ASSERT_EQ(sc.cos, CosDeg(x)) << x;
    x += 1.00000123;  // an irrational-looking step visits every phase
  }
}

// The ephemeris takes the angles of a rectangular point without its
// distance; they must keep RectToSpherical's bits, on the axes too.
TEST(EphemerisTrig, AnglesOfARectangularPointKeepTheBitsOfRectToSpherical) {
  const double axes[] = {0, -0.0, 1, -1, 1e-300, 2e8};
  for (double x : axes)
    for (double y : axes)
      for (double z : axes) {
        const SphericalPoint s = RectToSpherical(x, y, z);
        const LongLat a = LongLatOfRect(x, y, z);
        EXPECT_EQ(a.longitude, s.longitude) << x << " " << y << " " << z;
        EXPECT_EQ(a.latitude, s.latitude) << x << " " << y << " " << z;
        EXPECT_EQ(LatitudeOfRect(x, y, z), s.latitude) << x << " " << y << " " << z;
      }
  double u = -7e4;
  for (int i = 0; i < 100000; ++i) {
    const double x = 3e8 * std::cos(u), y = 2e8 * std::sin(1.7 * u), z = 1e7 * std::sin(u / 3);
    const SphericalPoint s = RectToSpherical(x, y, z);
    const LongLat a = LongLatOfRect(x, y, z);
    ASSERT_EQ(a.longitude, s.longitude) << x << " " << y << " " << z;
    ASSERT_EQ(a.latitude, s.latitude) << x << " " << y << " " << z;
    ASSERT_EQ(LatitudeOfRect(x, y, z), s.latitude) << x << " " << y << " " << z;
    u += 1.37;
  }
}

}  // namespace
}  // namespace halcyra
