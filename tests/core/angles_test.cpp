// Angle helpers, chart time, sidereal time, obliquity and the chart angles.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "core/angle_helpers.h"
#include "core/calendar.h"
#include "core/chart_time.h"
#include "state/app_state.h"
#ifdef HALCYRA_HAVE_SWE
#include <swephexp.h>
#endif

using namespace halcyra;

namespace {
// Distance of two longitudes around the circle, 0..180.
double ArcDiff(double a, double b) {
  double d = std::fmod(std::fabs(a - b), 360.0);
  return d > 180 ? 360 - d : d;
}
}  // namespace

// ---- angle helpers ----

TEST(AngleHelpers, EdgeValues) {
  struct Case { const char* what; double got, expected, tolerance; };
  const Case cases[] = {
      {"Normalize360(-30)", Normalize360(-30), 330, 0},
      {"NormalizeDegrees(720)", NormalizeDegrees(720), 0, 0},
      {"Normalize360(-1e-15) stays below 360", Normalize360(-1e-15), 0, 0},
      {"DotMinutesToDecimal(-1.30): the sign of the magnitude's result", DotMinutesToDecimal(-1.30), -1.5, 1e-12},
      {"DecimalToDotMinutes(-77.22)", DecimalToDotMinutes(-77.22), -77.132, 1e-9},
      {"Round2(-0.125) halves up", Round2(-0.125), -0.12, 0},
      {"CosDeg(90) with the ten-decimal pi", CosDeg(90), 4.48966e-11, 1e-15},
      {"RectToPolar(1, 0) just above 0", RectToPolar(1, 0).angle, 1.74533e-09, 1e-14},
      {"RectToPolar(-1, 0) just below pi", RectToPolar(-1, 0).angle, Pi - 1.74533e-09, 1e-14},
      {"RectToSpherical(0, -1, 0) longitude", RectToSpherical(0, -1, 0).longitude, 270, 1e-8},
      {"RectToSpherical(0, 0, -3) latitude", RectToSpherical(0, 0, -3).latitude, -90, 0},
      {"CalcQuadrantAngle(90, 23.44)", CalcQuadrantAngle(90, 23.44), 90, 1e-8},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.got, c.expected, c.tolerance) << c.what;
}

TEST(AngleHelpers, QuadrantAngleIsTheRightAscension) {
  // independent: atan2(sin L cos e, cos L)
  for (double lon = -360; lon <= 720; lon += 0.75)
    for (double obl : {0.0, 23.44, 45.0}) {
      double ra = std::atan2(std::sin(lon * M_PI / 180) * std::cos(obl * M_PI / 180), std::cos(lon * M_PI / 180));
      ra = std::fmod(ra * 180 / M_PI + 360, 360);
      ASSERT_LT(ArcDiff(CalcQuadrantAngle(lon, obl), ra), 1e-7) << "lon " << lon << " obl " << obl;
    }
}

TEST(AngleHelpers, SignSplits) {
  const SignDegMin capped = SplitSignDegMin(29.995);  // 29 deg 59.7 min: the rounded 60 is capped
  EXPECT_EQ(capped.sign * 10000 + capped.degrees * 100 + capped.minutes, 1 * 10000 + 29 * 100 + 59);
  const SignDegMinSec s = SplitSignDegMinSec(123.4567);  // 3 Leo 27' 24.12"
  EXPECT_EQ(s.sign * 1000000 + s.degrees * 10000 + s.minutes * 100 + s.seconds, 5032724);
  // a NaN is never converted to a whole number: every part comes back 0
  const SignDegMin bad = SplitSignDegMin(std::nan(""));
  EXPECT_EQ(bad.sign + bad.degrees + bad.minutes, 0);
}

// ---- sidereal time and obliquity ----

TEST(SiderealTimeAndObliquity, ExactValuesOfTheFormulas) {
  // Expected values: the same published polynomials evaluated in exact
  // rational arithmetic (Python fractions), not by this code.
  struct Case { double jday, dayFraction, gmstDeg, obliquityDeg; };
  const Case cases[] = {
      {2446896, 0, 197.692909987407, 23.440937430088},
      {2446896, 129.0 / 160, 128.737588166292, 23.440937142814},
      {2451545, 0.5, 280.460287083333, 23.439280764000},
      {2299161, 0.25, 113.333862165685, 23.493538198992},
  };
  for (const auto& c : cases) {
    const double t = CenturiesFrom1900(c.jday, c.dayFraction);
    EXPECT_NEAR(GreenwichSiderealDeg(t, c.dayFraction), c.gmstDeg, 1e-9) << c.jday << " + " << c.dayFraction;
    EXPECT_NEAR(MeanObliquityDeg(t), c.obliquityDeg, 1e-11) << c.jday;
  }
}

TEST(SiderealTimeAndObliquity, AgreeWithTheIauExpressions) {
  // Mean sidereal time (IAU 1982) and mean obliquity (IAU 1980) through the
  // years the program serves. Measured worst: 0.124 s of time, 0.056".
  const double gmstTolerance = 0.15 / 240, obliquityTolerance = 0.1 / 3600;
  for (double jd = 2415020.5; jd < 2470000; jd += 13.37) {
    const double jday = std::floor(jd + 0.5), f = jd - (jday - 0.5);
    const double t = CenturiesFrom1900(jday, f);
    const double t0 = (std::floor(jd - 0.5) + 0.5 - 2451545.0) / 36525, tu = (jd - 2451545.0) / 36525;
    const double ut = jd - 0.5 - std::floor(jd - 0.5);
    const double seconds = 24110.54841 + 8640184.812866 * t0 + 0.093104 * t0 * t0 - 6.2e-6 * t0 * t0 * t0 +
                           1.00273790935 * ut * 86400;
    ASSERT_LT(ArcDiff(GreenwichSiderealDeg(t, f), seconds / 240), gmstTolerance) << "jd " << jd;
    const double iau = (84381.448 - 46.8150 * tu - 0.00059 * tu * tu + 0.001813 * tu * tu * tu) / 3600;
    ASSERT_NEAR(MeanObliquityDeg(t), iau, obliquityTolerance) << "jd " << jd;
  }
}

// ---- chart time of a chart pass ----

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

namespace {
AppState NatalApp(int y, int m, int d, float clock, const char* ampm, float zone, float lon, float lat) {
  AppState app;
  app.input.NatalYearInt = y;
  app.input.NatalMonthInt = m;
  app.input.NatalDayInt = d;
  app.input.NatalClockTime = clock;
  app.input.NatalAmPm = ampm;
  app.input.NatalTZ = zone;
  app.input.NatalGeoLong = lon;
  app.input.NatalGeoLat = lat;
  app.input.NSText = lat < 0 ? "SOUTH" : "NORTH";
  return app;
}
}  // namespace

TEST(ChartTime, NoonOfJ2000AtGreenwich) {
  AppState app = NatalApp(2000, 1, 1, 12.00f, "P.M.", 0, 0, 51.28f);
  ASSERT_EQ(CalcChartTimeAndAngles(app), ChartStatus::Ok);
  const ChartClock& c = app.chart.clock;
  EXPECT_EQ(c.ListJulianDay, 2451545);
  EXPECT_EQ(c.TCenturies, 1);
  EXPECT_NEAR(RadToDeg(c.RAMC), 280.460287083333, 1e-8);
  EXPECT_NEAR(c.Obliquity, -DegToRad(23.439280764), 1e-12);  // held negated
  EXPECT_NEAR(c.ObliquityDeg, 23.439280764, 1e-9);
  // 280.4603 deg = 18.6974 h = 18h 41m 50.47s
  EXPECT_EQ(c.SiderealHours * 10000 + c.SiderealMinutes * 100 + c.SiderealSeconds, 184150);
}

TEST(ChartTime, PlaceAndHemisphere) {
  // 75 deg 30 min west takes 75.5 deg off the Greenwich sidereal time;
  // southern charts show the sidereal time twelve hours on (204.96 + 180 deg).
  AppState west = NatalApp(2000, 1, 1, 12.00f, "P.M.", 0, 75.30f, -33.52f);
  CalcChartTimeAndAngles(west);
  EXPECT_NEAR(RadToDeg(west.chart.clock.RAMC), 280.460287083333 - 75.5, 1e-5);
  EXPECT_EQ(west.chart.clock.SiderealHours * 100 + west.chart.clock.SiderealMinutes, 139);
  EXPECT_NEAR(west.chart.clock.PlacidusLatitude, DegToRad(33 + 52 / 60.0), 1e-6);

  AppState equator = NatalApp(2000, 1, 1, 12.00f, "P.M.", 0, 0, 0);
  CalcChartTimeAndAngles(equator);
  EXPECT_EQ(equator.chart.clock.PlacidusLatitude, 0.00001);  // stand-in for the quotients over tan(lat)
  EXPECT_TRUE(std::isfinite(equator.chart.clock.AngleVertex + equator.chart.clock.AngleCoAsc));
}

TEST(ChartTime, MomentsAreAlwaysSet) {
  struct Case { int y, m, d; float clock; const char* ampm; float zone; double moment; };
  const Case cases[] = {
      // before the Gregorian switch the moments are set as well
      {1500, 3, 10, 6.00f, "A.M.", 0, DateToJulianDay(1500, 3, 10) - 0.25},
      // a zone past midnight moves the moment into the next day, not the date
      {2010, 5, 20, 11.00f, "P.M.", 3, DateToJulianDay(2010, 5, 21) + 2.0 / 24 - 0.5},
  };
  for (const auto& c : cases) {
    AppState app = NatalApp(c.y, c.m, c.d, c.clock, c.ampm, c.zone, 0, 40);
    app.chart.clock.ListJulianDay = app.chart.clock.NextJulianDay = app.chart.clock.TableMoment = 1;
    CalcChartTimeAndAngles(app);
    EXPECT_EQ(app.chart.clock.JDay, DateToJulianDay(c.y, c.m, c.d)) << c.y;
    EXPECT_NEAR(app.chart.clock.ListJulianDay, c.moment, 1e-9) << c.y;
    EXPECT_NEAR(app.chart.clock.NextJulianDay, c.moment + 1, 1e-9) << c.y;
    EXPECT_NEAR(app.chart.clock.TableMoment, c.moment, 1e-9) << c.y;
  }
}

TEST(ChartTime, ProgressedPassUsesTheProgressedMomentAndDirectedMidheaven) {
  AppState app = NatalApp(1970, 6, 15, 3.20f, "P.M.", 5, 80, 40);
  app.input.TransitGeoLong = 0.10f;
  app.input.TransitGeoLat = -20;
  app.input.TransitNSText = "SOUTH";
  app.chart.ChartKind = 1;
  app.chart.moments.AgeYears = 30;
  app.chart.moments.ProgT = 0.705;
  app.chart.moments.ProgSunLong = 115.25;
  app.chart.natal.NatalLong[Sun] = 84.5;
  app.chart.natal.NatalLong[Midheaven] = 300.75;
  CalcChartTimeAndAngles(app);
  const ChartClock& c = app.chart.clock;
  EXPECT_EQ(c.JDay, DateToJulianDay(1970, 7, 15));  // one day per year of age
  EXPECT_EQ(c.TCenturies, 0.705);
  EXPECT_NEAR(c.MCLong, 300.75 + 30.75, 1e-7);  // natal MC moved by the solar arc
  EXPECT_LT(c.GeoLatitude, 0);                          // at the transit place
}

TEST(ChartTime, TransitAndReturnPasses) {
  AppState app;
  app.input.TransitYear = 2024;
  app.input.TransitMonth = 2;
  app.input.TransitDay = 29;
  app.input.ChartClockTime = 8.15f;
  app.input.ChartAmPm = "A.M.";
  app.input.TransitGeoLat = 10;
  app.chart.ChartKind = 3;
  CalcChartTimeAndAngles(app);
  EXPECT_EQ(app.flags.ListingDate, DateToJulianDay(2024, 2, 29));
  EXPECT_EQ(app.chart.clock.ListingStartMoment, app.chart.clock.ListJulianDay);
  const double tableMoment = app.chart.clock.TableMoment;

  app.chart.returns.LunarReturnActive = 1;
  app.chart.returns.ReturnYear = 2024;
  app.chart.returns.ReturnMonth = 3;
  app.chart.returns.ReturnDay = 5;
  app.chart.returns.LunarReturnTime = 6;  // 24-hour clock
  app.chart.returns.ReturnTZ = 6;
  app.chart.returns.ReturnGeoLat = 10;
  CalcChartTimeAndAngles(app);
  EXPECT_EQ(app.chart.clock.DayFraction, 0.5);
  EXPECT_EQ(app.chart.clock.ListJulianDay, DateToJulianDay(2024, 3, 5));
  EXPECT_EQ(app.chart.clock.TableMoment, tableMoment);  // a return leaves the table moment alone
}

TEST(ChartTime, LatitudeAtThePoleIsAnInputError) {
  EXPECT_EQ(AnglesStatus(ClockForRamc(10, 89.99, 23.44)), ChartStatus::Ok);
  EXPECT_EQ(AnglesStatus(ClockForRamc(10, -90, 23.44)), ChartStatus::LatitudeTooHigh);
  AppState app = NatalApp(2000, 1, 1, 1.00f, "A.M.", 0, 0, 95.00f);
  EXPECT_EQ(CalcChartTimeAndAngles(app), ChartStatus::LatitudeTooHigh);
}

// ---- the angles against the Swiss Ephemeris ----

#ifdef HALCYRA_HAVE_SWE
TEST(Angles, AgreeWithSwissEphemerisOnAGrid) {
  // swe_houses_armc fed our own RAMC, latitude and obliquity; its ascmc
  // holds Asc, MC, ARMC, Vertex, Equatorial Ascendant, two Co-Ascendants
  // (ours is the second, the Ascendant of the co-latitude), Polar Ascendant.
  // The library keeps the Vertex in the western half of the chart, while
  // ours is the intersection the formula gives, so the Vertex is compared as
  // an axis. At latitude 0 Vertex and Co-Ascendant are undefined (the prime
  // vertical is the equator) and are left out.
  const char* names[6] = {"Ascendant", "Midheaven", "Vertex axis", "Equatorial Asc", "Co-Ascendant", "Polar Asc"};
  double worst[6] = {0, 0, 0, 0, 0, 0};
  for (double obl : {23.0, 23.4392911, 23.5})
    for (double lat = -66; lat <= 66; lat += 1.5)
      for (double ramc = 0; ramc < 360; ramc += 2.5) {
        const ChartClock c = ClockForRamc(ramc, lat, obl);
        double cusps[13], ascmc[10];
        swe_houses_armc(ramc, lat, obl, 'P', cusps, ascmc);
        const double vertexAxis = ArcDiff(c.AngleVertex, ascmc[3]);
        const double d[6] = {ArcDiff(c.AscLong, ascmc[0]),
                             ArcDiff(c.MCLong, ascmc[1]),
                             lat == 0 ? 0 : std::min(vertexAxis, 180 - vertexAxis),
                             ArcDiff(c.AngleEquatorialAsc, ascmc[4]),
                             lat == 0 ? 0 : ArcDiff(c.AngleCoAsc, ascmc[6]),
                             ArcDiff(c.AnglePolarAsc, ascmc[7])};
        for (int i = 0; i < 6; ++i) {
          worst[i] = std::max(worst[i], d[i]);
          ASSERT_LT(d[i], 1e-5) << names[i] << " ramc " << ramc << " lat " << lat << " obl " << obl;
        }
      }
  for (int i = 0; i < 6; ++i) std::printf("  worst %-15s %.2e deg\n", names[i], worst[i]);
}
#endif
