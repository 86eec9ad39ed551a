// Planetary hours: weekday rulers, the Chaldean round of the hours, the
// hour a clock time falls in (the counted search of hour ends as the
// reference where it ends, and an answer for every input), and the page
// that the planetary-hours window sends to the output.
#include <gtest/gtest.h>

#include "core/calendar.h"
#include "reports/planetary_hours.h"
#include "shell/report_output.h"

namespace halcyra {
namespace {

TEST(PlanetaryHours, WeekdaysAndTheirRulers) {
  struct Case {
    int year, month, day;
    int weekday;
    const char* ruler;  // source: the calendar's weekday of the date
  } cases[] = {
      {2000, 1, 1, 3, "Saturn"},    // a Saturday
      {2024, 6, 2, 4, "Sun"},       // a Sunday
      {2024, 6, 3, 5, "Moon"},      // a Monday
      {2024, 6, 4, 6, "Mars"},      // a Tuesday
      {2024, 6, 5, 0, "Mercury"},   // a Wednesday
      {1900, 1, 4, 1, "Jupiter"},   // a Thursday, before the epoch day 2411369
      {1582, 10, 15, 2, "Venus"},   // a Friday, the first Gregorian day
  };
  for (const Case& c : cases) {
    const int w = WeekdayNumber(DateToJulianDay(c.year, c.month, c.day));
    EXPECT_EQ(w, c.weekday) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(DayRulerName(w), c.ruler);
  }
}

// The traditional table of planetary hours: a Sunday's day hours start with
// the Sun and run Venus, Mercury, Moon, Saturn, Jupiter, Mars; its first
// night hour is Jupiter's; every first hour of a day is the day's ruler.
TEST(PlanetaryHours, ChaldeanOrderOfASunday) {
  const PlanetaryHoursTable t = PlanetaryHoursOf(2, 6, 2024, 5.25, 20.5);
  ASSERT_EQ(t.weekday, 4);
  const char* day[12] = {"Sun",  "Venus",   "Mercury", "Moon", "Saturn", "Jupiter",
                         "Mars", "Sun",     "Venus",   "Mercury", "Moon", "Saturn"};
  const char* night[12] = {"Jupiter", "Mars",   "Sun",     "Venus", "Mercury", "Moon",
                           "Saturn",  "Jupiter", "Mars",   "Sun",   "Venus",   "Mercury"};
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(t.hours[i].ruler, day[i]) << "day hour " << i + 1;
    EXPECT_EQ(t.hours[12 + i].ruler, night[i]) << "night hour " << i + 1;
  }
  for (int w = 0; w < 7; ++w)
    EXPECT_EQ(HourRulerName(w, 1, false), DayRulerName(w)) << "weekday " << w;
}

// The hour of a clock time, sunrise 6.00 and sunset 18.00, on a Wednesday.
TEST(PlanetaryHours, HourOfAClockTime) {
  struct Case {
    double time;
    int hour;
    bool night;
    int weekday;
    const char* ruler;
  } cases[] = {
      {6.10, 1, false, 0, "Mercury"},  // just after sunrise
      {7.30, 2, false, 0, "Moon"},
      {10.00, 4, false, 0, "Jupiter"},  // the end of an hour belongs to it
      {18.05, 1, true, 0, "Sun"},       // just after sunset
      {3.00, 9, true, 6, "Jupiter"},    // before sunrise: Tuesday's night
      {0.50, 7, true, 6, "Moon"},
      {6.00, 1, false, 0, "Mercury"},   // sunrise itself
  };
  for (const Case& c : cases) {
    const HourAt at = FindPlanetaryHour(c.time, 6, 18, 0);
    EXPECT_EQ(at.hour, c.hour) << c.time;
    EXPECT_EQ(at.night, c.night) << c.time;
    EXPECT_EQ(at.weekday, c.weekday) << c.time;
    EXPECT_EQ(HourRulerName(at.weekday, at.hour, at.night), c.ruler) << c.time;
  }
  // sunrise and sunset both missing (0): two-hour night hours from 0.00
  const HourAt none = FindPlanetaryHour(5.0, 0, 0, 3);
  EXPECT_TRUE(none.night);
  EXPECT_EQ(none.hour, 3);
  EXPECT_EQ(none.weekday, 3);
}

// The counting search of the hour ends, stopped after 48 hours where it
// would not end by itself; -1 then.
int CountedHour(double t, double rise, double set) {
  double end, length;
  if (t >= rise && t < set) {
    end = rise;
    length = (set - rise) / 12;
  } else {
    end = set;
    length = (rise + 24 - set) / 12;
  }
  int n = 1;
  bool wrapped = false;
  for (int guard = 0; guard < 48; ++guard) {
    end += length;
    if (wrapped && t > 22 && end >= 24) end -= 24;
    if (!wrapped && end >= 24 && t < 2.4) {
      end -= 24;
      wrapped = true;
    }
    if ((end >= t && t >= rise) || (end < 12 && end >= t && t < rise)) return n;
    ++n;
    if (!wrapped && end >= 24) {
      end -= 24;
      wrapped = true;
    }
  }
  return -1;
}

TEST(PlanetaryHours, SameHourAsCountingHourEndsAndAnAnswerForEveryInput) {
  const double rises[] = {4.0, 5.5, 6.0, 7.75, 9.0};
  const double sets[] = {15.5, 18.0, 20.25, 21.5};
  int compared = 0;
  for (double rise : rises)
    for (double set : sets)
      for (int step = 0; step < 24 * 12; ++step) {
        const double t = step / 12.0 + 0.01;
        const int counted = CountedHour(t, rise, set);
        if (counted < 0) continue;
        ASSERT_EQ(FindPlanetaryHour(t, rise, set, 0).hour, counted)
            << "time " << t << " sunrise " << rise << " sunset " << set;
        ++compared;
      }
  EXPECT_GT(compared, 5000);

  // where counting never ends: sunrise after noon and a time from noon up to it
  const struct {
    double rise, time;
  } endless[] = {{13.5, 12.5}, {20.0, 13.0}, {20.0, 19.9}, {23.0, 12.0}};
  for (const auto& c : endless) {
      ASSERT_LT(CountedHour(c.time, c.rise, c.rise + 0.5), 0) << c.rise << " " << c.time;
      const HourAt at = FindPlanetaryHour(c.time, c.rise, c.rise + 0.5, 2);
      EXPECT_TRUE(at.night);
      EXPECT_GE(at.hour, 1);
      EXPECT_LE(at.hour, 12);
    }
}

TEST(PlanetaryHours, PageSentToOutput) {
  AppState state;
  const PlanetaryHoursTable t = PlanetaryHoursOf(5, 6, 2024, 5.25, 20.5);
  WritePlanetaryHours(state, t);
  const auto& lines = state.report.PageLines;
  ASSERT_EQ(state.report.PageLineCount, 18);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "               PLANETARY HOURS");
  EXPECT_EQ(lines[3], "  05 Jun 2024   Mercury day   Sunrise 05:15   Sunset 20:30");
  // hours of 76.25 and 43.75 minutes; the night half starts in column 35
  EXPECT_EQ(lines[5], "  Day hours" + std::string(23, ' ') + "Night hours");
  EXPECT_EQ(lines[6], "   1  05:15 - 06:31  Mercury       1  20:30 - 21:14  Sun    ");
  EXPECT_EQ(lines[17], "  12  19:14 - 20:30  Mars         12  04:31 - 05:15  Saturn ");
  EXPECT_EQ(HourText(23.999), "00:00");
  EXPECT_EQ(HourText(25.5), "01:30");
}

}  // namespace
}  // namespace halcyra
