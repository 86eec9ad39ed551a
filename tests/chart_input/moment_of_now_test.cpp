// The chart of the present moment: the date and clock time written beside
// the home zone are those that, read in that zone, give the present
// universal moment, whatever zone and summer time the computer keeps. The
// computer's clock is read through the system's own conversion under TZ.
#include <gtest/gtest.h>

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

// The same under winter time, and over the end of the year on a computer
// east of Greenwich: 31 December 2024 23:30 UT is already 1 January in
// Kolkata, still 31 December in the home zone 6.
TEST(MomentOfNow, WinterTimeAndTheYearsEnd) {
  const ScopedTimeZone chicago(ChicagoTimeZone);
  EXPECT_EQ(Shown(MomentOfNow(LocalClockAt(1705345200), {false, 6, 0})), "1/15/2024 1:00 PM");  // 19:00 UT
  const ScopedTimeZone kolkata("IST-5:30");
  const ClockMoment now = LocalClockAt(1735687800);  // 2024-12-31 23:30 UT
  EXPECT_EQ(std::tuple(now.Year, now.Month, now.Day), std::tuple(2025, 1, 1));
  EXPECT_EQ(Shown(MomentOfNow(now, {false, 6, 0})), "12/31/2024 5:30 PM");
  EXPECT_EQ(Shown(MomentOfNow(now, {true, 14, 0})), "1/1/2025 1:30 PM");
}

}  // namespace
}  // namespace halcyra
