// Angle and calendar helpers, chart time, sidereal time and obliquity (the
// angles are checked with the house cusps), antiscia.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "chart_fixture.h"
#include "core/angle_helpers.h"
#include "core/calendar.h"
#include "core/chart_time.h"
#include "core/declinations.h"
#include "state/moment.h"

namespace halcyra {
namespace {

using namespace testing;

TEST(AngleHelpers, EdgeValues) {
  EXPECT_EQ(Normalize360(-1e-15), 0) << "stays below 360";
  // negative dot-minutes convert their magnitude and keep the sign
  EXPECT_NEAR(DotMinutesToDecimal(-1.30), -1.5, 1e-12);
  EXPECT_NEAR(DecimalToDotMinutes(-77.22), -77.132, 1e-9);
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

// Meeus, Astronomical Algorithms ch. 7, as a noon-based day number: an
// independent route to the same count.
double MeeusDayNumber(int y, int m, int d, bool gregorian) {
  if (m <= 2) {
    y -= 1;
    m += 12;
  }
  const double a = std::floor(y / 100.0);
  const double b = gregorian ? 2 - a + std::floor(a / 4) : 0;
  return std::floor(365.25 * (y + 4716)) + std::floor(30.6001 * (m + 1)) + d + b - 1524.5 + 0.5;
}

TEST(DateToJulianDay, PublishedDayNumbers) {
  struct Case { int y, m, d; double jd; const char* source; };
  const Case cases[] = {
      {2000, 1, 1, 2451545, "J2000.0"},
      {1858, 11, 17, 2400001, "MJD 0 = JD 2400000.5"},
      {1582, 10, 4, 2299160, "last Julian day"},
      {1582, 10, 15, 2299161, "first Gregorian day"},
      {2000, 3, 0, 2451604, "day 0 of March is 29 February"},
      {2000, 1, 32, 2451576, "day 32 of January is 1 February"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DateToJulianDay(c.y, c.m, c.d), c.jd) << c.y << "-" << c.m << "-" << c.d << " (" << c.source << ")";
}

TEST(DateToJulianDay, AgreesWithMeeusOnBothSidesOfTheSwitch) {
  // 4 October 1582 (Julian) is followed by 15 October 1582 (Gregorian); the
  // ten dates between never existed and count on in the Julian calendar.
  for (int day = 4; day <= 25; ++day)
    EXPECT_EQ(DateToJulianDay(1582, 10, day), day <= 14 ? 2299160 + (day - 4) : 2299161 + (day - 15)) << day;
  for (int y = 400; y <= 2400; y += 7)
    for (int m = 1; m <= 12; ++m)
      for (int d : {1, 10, 28}) {
        const bool gregorian = y > 1582 || (y == 1582 && (m > 10 || (m == 10 && d >= 15)));
        ASSERT_EQ(DateToJulianDay(y, m, d), MeeusDayNumber(y, m, d, gregorian)) << y << "-" << m << "-" << d;
      }
}

// Every date of years 1 to 2099, counted on a day at a time on the calendar
// the boxes take (Julian leap years through 1582, 5 to 14 October 1582 left
// out), has the next day number, and that number prints as the same date.
TEST(DateToJulianDay, EveryDateComesBackAsTyped) {
  int y = 1, m = 1, d = 1;
  char text[32];
  for (double n = DateToJulianDay(1, 1, 1); y <= 2099; n += 1) {
    std::snprintf(text, sizeof text, "%d/%02d/%02d", y, m, d);
    ASSERT_EQ(DateToJulianDay(y, m, d), n) << text;
    ASSERT_EQ(JulianDayToDateString(n, 2), text) << "day " << n;
    do {
      if (++d > DaysInMonth(m, y)) d = 1, m = m % 12 + 1, y += m == 1;
    } while (!DateExists(y, m, d));
  }
}

TEST(JulianDayToDateString, ThreeDateOrders) {
  struct Case { double jd; int format; const char* text; };
  const Case cases[] = {
      {2451545.0, 1, "01/01/2000"},  {2451545.0, 2, "2000/01/01"},
      {2451544.5, 0, "01/01/2000"},  // midnight before the noon: the same date
      {2451544.49, 0, "12/31/1999"}, {2299161.0, 7, "10/15/1582"},
      {2299160.5, 0, "10/15/1582"},   // the midnight the switch begins with
      {2299160.49, 0, "10/04/1582"},  // the last Julian date
      {2086063.0, 0, "05/01/ 999"},   // years below 1000 keep a blank
      {2086063.0, 2, "999/05/01"},    // ... which the trimmed text loses in order 2
  };
  for (const auto& c : cases)
    EXPECT_EQ(JulianDayToDateString(c.jd, c.format), c.text) << "jd " << c.jd << " order " << c.format;
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
