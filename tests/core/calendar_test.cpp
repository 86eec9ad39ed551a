// Day numbers of civil dates and the date text of moments.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "core/calendar.h"

using namespace halcyra;

namespace {
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
}  // namespace

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

// Dates from the switch on also come back as the same date text.
TEST(DateToJulianDay, AgreesWithMeeusOnBothSidesOfTheSwitch) {
  // 4 October 1582 (Julian) is followed by 15 October 1582 (Gregorian); the
  // ten dates between never existed and count on in the Julian calendar.
  for (int day = 4; day <= 25; ++day)
    EXPECT_EQ(DateToJulianDay(1582, 10, day), day <= 14 ? 2299160 + (day - 4) : 2299161 + (day - 15)) << day;
  char text[32];
  for (int y = 400; y <= 2400; y += 7)
    for (int m = 1; m <= 12; ++m)
      for (int d : {1, 10, 28}) {
        const bool gregorian = y > 1582 || (y == 1582 && (m > 10 || (m == 10 && d >= 15)));
        ASSERT_EQ(DateToJulianDay(y, m, d), MeeusDayNumber(y, m, d, gregorian)) << y << "-" << m << "-" << d;
        if (!gregorian) continue;
        std::snprintf(text, sizeof text, "%02d/%02d/%04d", m, d, y);
        ASSERT_EQ(JulianDayToDateString(DateToJulianDay(y, m, d), 0), text);
      }
}

TEST(JulianDayToDateString, ThreeDateOrders) {
  struct Case { double jd; int format; const char* text; };
  const Case cases[] = {
      {2451545.0, 1, "01/01/2000"},  {2451545.0, 2, "2000/01/01"},
      {2451544.5, 0, "01/01/2000"},  // midnight before the noon: the same date
      {2451544.49, 0, "12/31/1999"}, {2299161.0, 7, "10/15/1582"},
      {2299160.0, 0, "10/14/1582"},  // before the switch: proleptic Gregorian
      {2086063.0, 0, "05/06/ 999"},  // years below 1000 keep a blank
      {2086063.0, 2, "999/05/06"},   // ... which the trimmed text loses in order 2
  };
  for (const auto& c : cases)
    EXPECT_EQ(JulianDayToDateString(c.jd, c.format), c.text) << "jd " << c.jd << " order " << c.format;
}
