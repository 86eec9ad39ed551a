// Declinations, antiscia and the solar-arc angles.
#include <gtest/gtest.h>

#include <cmath>

#include "core/angle_helpers.h"
#include "core/declinations.h"
#include "state/app_state.h"

using namespace halcyra;

TEST(Declinations, OfEclipticLongitudes) {
  const double eps = 23.4392911, e = DegToRad(eps);
  struct Case { double lon, decl; };
  const Case cases[] = {{0, 0}, {90, eps}, {180, 0}, {270, -eps}, {30, 11.47197} /* arcsin(sin e / 2) */};
  for (const auto& c : cases) EXPECT_NEAR(EclipticDeclination(c.lon, e), c.decl, 1e-4) << c.lon;
  // independent: arcsin(sin e sin L)
  for (double lon = 0; lon < 360; lon += 0.7)
    ASSERT_NEAR(EclipticDeclination(lon, e), std::asin(std::sin(e) * std::sin(lon * M_PI / 180)) * 180 / M_PI, 1e-8)
        << lon;
}

TEST(Declinations, ChartPassFillsTheComputedPoints) {
  AppState app;
  app.chart.clock.Obliquity = -DegToRad(23.44);  // held negated after the angles
  PointArray& lon = app.chart.work.PointLong;
  PointArray& decl = app.chart.work.PointDecl;
  decl.fill(99);
  for (int i = 1; i <= NumPoints; ++i) lon[i] = 90;
  CalcDeclinations(app);
  for (int i = 1; i <= NumPoints; ++i) {
    const bool computed = i == NorthNode || i == PartOfFortune || i == Ascendant || i == Midheaven || i >= FirstHousePoint;
    const double expected = i == Lilith ? 0 : (computed ? 23.44 : 99);
    EXPECT_NEAR(decl[i], expected, 1e-8) << "point " << i;
  }
}

TEST(Antiscia, MirrorAcrossTheSolstices) {
  struct Case { double lon, antiscion; };
  const Case cases[] = {
      {10, 170},   {190, 350}, {0, 180},   {90, 90},  {270, 270},
      {180, 0} /* 0 Aries, never 360 */,   {30, 150}, {359.5, 180.5}, {360, 180}, {-10, 190},
  };
  for (const auto& c : cases) EXPECT_NEAR(CalcAntiscion(c.lon), c.antiscion, 1e-9) << c.lon;
  for (double lon = 0; lon < 360; lon += 0.37) {
    const double a = CalcAntiscion(lon);
    ASSERT_TRUE(a >= 0 && a < 360) << lon;
    ASSERT_NEAR(std::fmod(a + lon, 360), 180, 1e-9) << lon;
  }
}

TEST(SolarArc, ProgressedAngles) {
  AppState app;
  app.chart.natal.NatalLong[Sun] = 84.5;
  app.chart.natal.NatalLong[Midheaven] = 355;
  app.chart.clock.ObliquityDeg = 23.44;
  app.chart.clock.GeoLatitude = DegToRad(-33.9);
  app.chart.moments.ProgObliquityDeg = 23.44;

  app.chart.prog.ProgLong[Sun] = 84.5;  // no arc: the natal Midheaven
  CalcSolarArcAngles(app);
  EXPECT_NEAR(app.chart.work.PointLong[Midheaven], 355, 1e-12);

  app.chart.prog.ProgLong[Sun] = 114.75;  // an arc of 30.25 degrees
  CalcSolarArcAngles(app);
  EXPECT_NEAR(app.chart.work.PointLong[Midheaven], 25.25, 1e-9);
  // independent: the Ascendant of the meridian's right ascension,
  // atan2(cos R, -(sin R cos e + tan(lat) sin e))
  const double r = app.chart.clock.RAMC, e = DegToRad(23.44), lat = DegToRad(-33.9);
  const double mcRa = std::atan2(std::sin(25.25 * M_PI / 180) * std::cos(e), std::cos(25.25 * M_PI / 180));
  EXPECT_NEAR(r, mcRa, 1e-9);
  double asc = std::atan2(std::cos(r), -(std::sin(r) * std::cos(e) + std::tan(lat) * std::sin(e))) * 180 / M_PI;
  EXPECT_NEAR(app.chart.work.PointLong[Ascendant], std::fmod(asc + 360, 360), 1e-7);
  EXPECT_NEAR(app.chart.clock.Obliquity, -e, 1e-15);  // left negated, as the angles leave it
}
