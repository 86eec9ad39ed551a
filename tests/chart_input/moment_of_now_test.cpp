// The chart of the present moment: the date and clock time written beside
// the home zone are those that, read in that zone, give the present
// universal moment, whatever zone and summer time the computer keeps; a
// new zone beside them rewrites them for that zone at the same moment. The
// computer's clock is read through the system's own conversion under TZ.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "chart_input/input_presets.h"
#include "shell/local_clock.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

using testing::ChicagoTimeZone;
using testing::ScopedTimeZone;

std::string Shown(const Moment& m) {
  char text[40];
  std::snprintf(text, sizeof text, "%d/%d/%d %d:%02d %s", m.Month, m.Day, m.Year, m.Hour, m.Minute, m.PM ? "PM" : "AM");
  return text;
}

// 15 July 2024 19:00:30 UT (1721070030 seconds from 1970) on computers kept
// on Chicago summer time, on universal time and on Kolkata time (POSIX
// rules, so no zone files are needed): each reads its own local clock, and
// the moment written for the home zone is the same. Home zone, zone the
// computer keeps, its local clock, the boxes.
TEST(MomentOfNow, TheSameUniversalMomentWhateverTheComputersZone) {
  struct Case { DotMinutes home; const char* tz; const char* clock; long offset; const char* boxes; };
  const Case cases[] = {
      {{false, 6, 0}, ChicagoTimeZone, "14:00:30", -5 * 3600, "7/15/2024 1:00 PM"},
      {{false, 6, 0}, "UTC0", "19:00:30", 0, "7/15/2024 1:00 PM"},
      {{false, 6, 0}, "IST-5:30", "00:30:30", 5 * 3600 + 1800, "7/15/2024 1:00 PM"},
      {{false, 5, 0}, ChicagoTimeZone, "14:00:30", -5 * 3600, "7/15/2024 2:00 PM"},
      {{true, 5, 45}, "UTC0", "19:00:30", 0, "7/16/2024 12:45 AM"},
      {{true, 10, 0}, ChicagoTimeZone, "14:00:30", -5 * 3600, "7/16/2024 5:00 AM"},
  };
  for (const Case& c : cases) {
    const ScopedTimeZone zone(c.tz);
    const ClockMoment now = LocalClockAt(1721070030);
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", now.Hour, now.Minute, now.Second);
    EXPECT_EQ(std::string(clock), c.clock) << c.tz;
    EXPECT_EQ(now.UtcOffsetSeconds, c.offset) << c.tz;
    EXPECT_EQ(Shown(MomentOfNow(now, c.home)), c.boxes) << c.tz << " home zone " << c.home.Text();
  }
}

// On a computer kept on universal time, the clock (24 hours) written for a
// home zone over the turns of the day, the month and the year: worked by
// hand from the civil calendar; zones of the tz database.
TEST(MomentOfNow, TheTurnsOfTheDayMonthAndYear) {
  struct Case { int y, m, d, hour, minute; DotMinutes home; const char* boxes; };
  const Case cases[] = {
      {2024, 7, 15, 0, 30, {false, 0, 0}, "7/15/2024 12:30 AM"},   // midnight is 12 A.M.
      {2024, 7, 15, 12, 0, {false, 0, 0}, "7/15/2024 12:00 PM"},   // noon is 12 P.M.
      {2025, 1, 1, 2, 0, {false, 6, 0}, "12/31/2024 8:00 PM"},     // back over the year's end
      {2024, 12, 31, 23, 30, {true, 5, 45}, "1/1/2025 5:15 AM"},   // Kathmandu, into the new year
      {2024, 3, 1, 3, 0, {false, 5, 0}, "2/29/2024 10:00 PM"},     // back into a leap day
      {2100, 3, 1, 3, 0, {false, 5, 0}, "2/28/2100 10:00 PM"},     // no leap day in 2100
      {2024, 7, 1, 6, 0, {false, 5, 75}, "6/30/2024 11:45 PM"},    // 5.75 is 6 hours 15 minutes
      {2024, 4, 30, 22, 15, {true, 3, 30}, "5/1/2024 1:45 AM"},    // Tehran, into the next month
      {2024, 5, 1, 10, 0, {true, 14, 0}, "5/2/2024 12:00 AM"},     // Kiribati, 14 hours east
      {1969, 12, 31, 23, 59, {true, 0, 1}, "1/1/1970 12:00 AM"},   // before the count's start
  };
  for (const Case& c : cases) {
    const Moment m = MomentOfNow(ClockMoment{c.y, c.m, c.d, c.hour, c.minute, 0, 0}, c.home);
    EXPECT_EQ(Shown(m), c.boxes) << c.y << "-" << c.m << "-" << c.d << " " << c.hour << ":" << c.minute << " UT, zone "
                                 << c.home.Text();
    EXPECT_EQ(m.Zone, c.home);
  }
}

// Winter time, and the year's end on a computer east of Greenwich: 31
// December 2024 23:30 UT is already 1 January in Kolkata, still 31
// December in the home zone 6.
TEST(MomentOfNow, WinterTimeAndTheYearsEndEastOfGreenwich) {
  const ScopedTimeZone chicago(ChicagoTimeZone);
  EXPECT_EQ(Shown(MomentOfNow(LocalClockAt(1705345200), {false, 6, 0})), "1/15/2024 1:00 PM");  // 19:00 UT
  const ScopedTimeZone kolkata("IST-5:30");
  const ClockMoment now = LocalClockAt(1735687800);  // 2024-12-31 23:30 UT
  EXPECT_EQ(std::tuple(now.Year, now.Month, now.Day), std::tuple(2025, 1, 1));
  EXPECT_EQ(Shown(MomentOfNow(now, {false, 6, 0})), "12/31/2024 5:30 PM");
}

// A window's clock read as "m/d/y h:mm AM|PM" in the zone beside it.
Moment ClockIn(const char* shown, const char* zone) {
  Moment m;
  char half[3] = "";
  EXPECT_EQ(std::sscanf(shown, "%d/%d/%d %d:%d %2s", &m.Month, &m.Day, &m.Year, &m.Hour, &m.Minute, half), 6) << shown;
  m.PM = std::string(half) == "PM";
  m.Zone = ZoneFromText(zone).value();
  return m;
}

// A clock of the present moment whose zone changes, written again for the
// new zone at the same universal moment: worked by hand from the civil
// calendar (zones west positive, hours.minutes) and checked with Python's
// datetime. Clock and zone before, new zone, clock afterwards.
TEST(MomentInZone, TheSameUniversalMomentInTheNewZone) {
  struct Case { const char *clock, *from, *to, *expected, *pins; };
  const Case cases[] = {
      {"7/1/2026 9:20 AM", "6", "0", "7/1/2026 3:20 PM", "Chicago to London, 15:20 UT"},
      {"7/1/2026 9:20 AM", "6", "-1", "7/1/2026 4:20 PM", "London on summer time"},
      {"7/1/2026 3:20 PM", "0", "5", "7/1/2026 10:20 AM", "Chicago on summer time"},
      {"7/1/2026 9:20 AM", "6", "6", "7/1/2026 9:20 AM", "the same zone"},
      {"1/15/2026 9:20 AM", "6", "-11", "1/16/2026 2:20 AM", "Sydney's summer, forward over midnight"},
      {"1/1/2026 1:15 AM", "0", "6", "12/31/2025 7:15 PM", "back over midnight and the year's end"},
      {"12/31/2025 8:30 PM", "6", "-5.30", "1/1/2026 8:00 AM", "Kolkata, into the new year"},
      {"4/30/2026 10:00 PM", "5", "-1", "5/1/2026 4:00 AM", "into the next month"},
      {"5/1/2026 12:30 AM", "-1", "0", "4/30/2026 11:30 PM", "back into the last month"},
      {"3/1/2024 1:15 AM", "0", "6", "2/29/2024 7:15 PM", "back into a leap day"},
      {"2/28/2024 11:00 PM", "0", "-2", "2/29/2024 1:00 AM", "forward into a leap day"},
      {"2/28/2023 11:00 PM", "0", "-2", "3/1/2023 1:00 AM", "no leap day in 2023"},
      {"6/15/2026 11:30 AM", "0", "-0.30", "6/15/2026 12:00 PM", "noon is 12 P.M."},
      {"6/15/2026 11:30 PM", "0", "-0.30", "6/16/2026 12:00 AM", "midnight is 12 A.M."},
      {"7/1/2026 9:05 PM", "-5.45", "3.30", "7/1/2026 11:50 AM", "Kathmandu to St Johns"},
      {"7/1/2026 9:20 AM", "6", "5.75", "7/1/2026 9:05 AM", "5.75 is 6 hours 15 minutes"},
      {"7/1/2026 11:00 PM", "10", "-14", "7/2/2026 11:00 PM", "Honolulu to Kiribati, a whole day"},
  };
  for (const Case& c : cases) {
    const Moment m = MomentInZone(ClockIn(c.clock, c.from), ZoneFromText(c.to).value());
    EXPECT_EQ(Shown(m), c.expected) << c.pins << ": " << c.clock << " zone " << c.from << " to zone " << c.to;
    EXPECT_EQ(m.Zone.Text(), c.to) << c.pins;
  }
}

// Moving a clock to any zone and back gives it again, to the minute: every
// zone from 14 hours east to 13 west in quarter hours, at the minutes
// either side of universal midnight at the year's end.
TEST(MomentInZone, ThereAndBackAgainOverEveryZone) {
  const Moment start = ClockIn("12/31/2025 11:59 PM", "0");
  for (int minutes = -14 * 60; minutes <= 13 * 60; minutes += 15) {
    const DotMinutes zone{minutes < 0, std::abs(minutes) / 60, std::abs(minutes) % 60};
    for (int step : {-2, -1, 0, 1, 2}) {
      const Moment clock = Moment::FromUniversalMinutes(start.UniversalMinutes() + step, DotMinutes{});
      EXPECT_EQ(MomentInZone(MomentInZone(clock, zone), clock.Zone), clock) << zone.Text() << " " << step;
    }
  }
}

}  // namespace
}  // namespace halcyra
