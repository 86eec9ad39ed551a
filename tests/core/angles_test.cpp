// Angle helpers, chart time, sidereal time and obliquity (the angles are
// checked with the house cusps), antiscia.
#include <gtest/gtest.h>

#include <cmath>

#include "chart_fixture.h"
#include "core/angle_helpers.h"
#include "core/calendar.h"
#include "core/chart_time.h"
#include "core/declinations.h"

namespace halcyra {
namespace {

using namespace testing;

TEST(AngleHelpers, EdgeValues) {
  struct Case { const char* what; double got, expected, tolerance; };
  const Case cases[] = {
      {"Normalize360(-1e-15) stays below 360", Normalize360(-1e-15), 0, 0},
      {"DotMinutesToDecimal(-1.30): the sign of the magnitude's result", DotMinutesToDecimal(-1.30), -1.5, 1e-12},
      {"DecimalToDotMinutes(-77.22)", DecimalToDotMinutes(-77.22), -77.132, 1e-9},
      {"Round2(-0.125) halves up", Round2(-0.125), -0.12, 0},
      {"RectToSpherical(0, -1, 0) longitude", RectToSpherical(0, -1, 0).longitude, 270, 1e-8},
      {"RectToSpherical(0, 0, -3) latitude", RectToSpherical(0, 0, -3).latitude, -90, 0},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.got, c.expected, c.tolerance) << c.what;
  // independent: the right ascension atan2(sin L cos e, cos L), across 0 and 360
  for (double lon = -360; lon <= 720; lon += 0.75)
    for (double obl : {0.0, 23.44, 45.0}) {
      double ra = std::atan2(std::sin(lon * M_PI / 180) * std::cos(obl * M_PI / 180), std::cos(lon * M_PI / 180));
      ASSERT_LT(ArcGap(CalcQuadrantAngle(lon, obl), ra * 180 / M_PI), 1e-7) << "lon " << lon << " obl " << obl;
    }
  const SignDegMin capped = SplitSignDegMin(29.995);  // 29 deg 59.7 min: the rounded 60 is capped
  EXPECT_EQ(capped.sign * 10000 + capped.degrees * 100 + capped.minutes, 1 * 10000 + 29 * 100 + 59);
  // a NaN is never converted to a whole number: every part comes back 0
  const SignDegMin bad = SplitSignDegMin(std::nan(""));
  EXPECT_EQ(bad.sign + bad.degrees + bad.minutes, 0);
}

TEST(SiderealTimeAndObliquity, ExactValuesOfTheFormulas) {
  // Expected values: the same published polynomials evaluated in exact
  // rational arithmetic (Python fractions), not by this code; 2299161 is the
  // first Gregorian day.
  struct Case { double jday, dayFraction, gmstDeg, obliquityDeg; };
  const Case cases[] = {
      {2446896, 0, 197.692909987407, 23.440937430088},   {2446896, 129.0 / 160, 128.737588166292, 23.440937142814},
      {2451545, 0.5, 280.460287083333, 23.439280764000}, {2299161, 0.25, 113.333862165685, 23.493538198992},
  };
  for (const auto& c : cases) {
    const double t = CenturiesFrom1900(c.jday, c.dayFraction);
    EXPECT_NEAR(GreenwichSiderealDeg(t, c.dayFraction), c.gmstDeg, 1e-9) << c.jday << " + " << c.dayFraction;
    EXPECT_NEAR(MeanObliquityDeg(t), c.obliquityDeg, 1e-11) << c.jday;
  }
}

TEST(ChartTime, TypedClockToUniversalTime) {
  struct Case { double clock, zone; const char* ampm; double fraction; };
  const Case cases[] = {
      {12.00, 0, "A.M.", 0},           {12.00, 0, "P.M.", 0.5},           {12.30, 0, "A.M.", 0.5 / 24},
      {12.30, 0, "P.M.", 12.5 / 24},   {1.30, -2, "A.M.", -0.5 / 24},     {11.30, 5, "P.M.", 1.1875},
      {9.45, 0, "p.m.", 9.75 / 24} /* only "P.M." adds half a day */,
  };
  for (const auto& c : cases)
    EXPECT_NEAR(ClockDayFraction(c.clock, c.zone, c.ampm), c.fraction, 1e-12) << c.clock << " " << c.ampm;
}

TEST(ChartTime, MomentsAreAlwaysSet) {
  struct Case { int y, m, d; double clock; const char* ampm; double zone, moment; };
  const Case cases[] = {
      // before the Gregorian switch the moments are set as well
      {1500, 3, 10, 6.00, "A.M.", 0, DateToJulianDay(1500, 3, 10) - 0.25},
      // a zone past midnight moves the moment into the next day, not the date
      {2010, 5, 20, 11.00, "P.M.", 3, DateToJulianDay(2010, 5, 21) + 2.0 / 24 - 0.5},
  };
  for (const auto& c : cases) {
    AppState app;
    SetInput(app, {c.y, c.m, c.d, c.clock, c.ampm, c.zone, 0, 40});
    app.chart.clock.ListJulianDay = app.chart.clock.NextJulianDay = app.chart.clock.TableMoment = 1;
    CalcChartTimeAndAngles(app);
    EXPECT_EQ(app.chart.clock.JDay, DateToJulianDay(c.y, c.m, c.d)) << c.y;
    EXPECT_NEAR(app.chart.clock.ListJulianDay, c.moment, 1e-9) << c.y;
    EXPECT_NEAR(app.chart.clock.NextJulianDay, c.moment + 1, 1e-9) << c.y;
    EXPECT_NEAR(app.chart.clock.TableMoment, c.moment, 1e-9) << c.y;
  }
}

TEST(ChartTime, LatitudeAtThePoleIsAnInputError) {
  EXPECT_EQ(AnglesStatus(ClockForRamc(10, 89.99, 23.44)), ChartStatus::Ok);
  EXPECT_EQ(AnglesStatus(ClockForRamc(10, -90, 23.44)), ChartStatus::LatitudeTooHigh);
  AppState app;
  SetInput(app, {2000, 1, 1, 1.00, "A.M.", 0, 0, 95.00});
  EXPECT_EQ(CalcChartTimeAndAngles(app), ChartStatus::LatitudeTooHigh);
}

TEST(Antiscia, MirrorAcrossTheSolstices) {
  struct Case { double lon, antiscion; };
  const Case cases[] = {{10, 170}, {0, 180}, {90, 90}, {180, 0} /* 0 Aries, never 360 */,
                        {359.5, 180.5}, {360, 180}, {-10, 190}};
  for (const auto& c : cases) EXPECT_NEAR(CalcAntiscion(c.lon), c.antiscion, 1e-9) << c.lon;
}

}  // namespace
}  // namespace halcyra
