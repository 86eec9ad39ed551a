// The moment and place values: the days of the calendar the day count reads,
// a universal moment written in a zone, and the forms a place is shown in.
#include <gtest/gtest.h>

#include "state/moment.h"
#include "state/place.h"

namespace halcyra {
namespace {

// Day counts from 1 January 1970 of a universal moment, and the date and
// 12-hour clock time of it in a zone (hours.minutes, west positive). Worked
// by hand from the civil calendar; zones of the tz database.
TEST(Moment, UniversalMinutesWrittenInAZone) {
  struct Case {
    int y, m, d, hour24, minute;
    DotMinutes zone;
    const char* expected;  // "M/D/Y h:mm AM"
  };
  const Case cases[] = {
      {2024, 7, 15, 19, 0, {false, 6, 0}, "7/15/2024 1:00 PM"},      // Chicago standard time
      {2024, 7, 15, 19, 0, {false, 5, 0}, "7/15/2024 2:00 PM"},      // Chicago summer time
      {2024, 7, 15, 0, 30, {false, 0, 0}, "7/15/2024 12:30 AM"},     // midnight is 12 A.M.
      {2024, 7, 15, 12, 0, {false, 0, 0}, "7/15/2024 12:00 PM"},     // noon is 12 P.M.
      {2025, 1, 1, 2, 0, {false, 6, 0}, "12/31/2024 8:00 PM"},       // back over the year's end
      {2024, 12, 31, 23, 30, {true, 5, 45}, "1/1/2025 5:15 AM"},     // Kathmandu, into the new year
      {2024, 3, 1, 3, 0, {false, 5, 0}, "2/29/2024 10:00 PM"},       // back into a leap day
      {2023, 3, 1, 3, 0, {false, 5, 0}, "2/28/2023 10:00 PM"},
      {2100, 3, 1, 3, 0, {false, 5, 0}, "2/28/2100 10:00 PM"},       // no leap day in 2100
      {2024, 7, 1, 6, 0, {false, 5, 75}, "6/30/2024 11:45 PM"},      // 5.75 is 6 hours 15 minutes
      {2024, 5, 1, 10, 0, {true, 14, 0}, "5/2/2024 12:00 AM"},       // Kiribati, 14 hours east
      {1969, 12, 31, 23, 59, {true, 0, 1}, "1/1/1970 12:00 AM"},     // before the count's start
      {2024, 4, 30, 22, 15, {true, 3, 30}, "5/1/2024 1:45 AM"},      // Tehran, into the next month
  };
  for (const Case& c : cases) {
    const Moment m = Moment::FromUniversalMinutes(Moment::MinutesFromEpoch(c.y, c.m, c.d, c.hour24, c.minute), c.zone);
    char text[40];
    std::snprintf(text, sizeof text, "%d/%d/%d %d:%02d %s", m.Month, m.Day, m.Year, m.Hour, m.Minute,
                  m.PM ? "PM" : "AM");
    EXPECT_EQ(std::string(text), c.expected) << c.y << "-" << c.m << "-" << c.d << " " << c.hour24 << ":" << c.minute
                                             << " UT in zone " << c.zone.Text();
    EXPECT_EQ(m.Zone, c.zone);
    // read in its zone, the moment is the universal one again
    const double universalHours = m.LocalHours() + m.ZoneHours();
    EXPECT_NEAR(Moment::MinutesFromEpoch(m.Year, m.Month, m.Day, 0, 0) + universalHours * 60,
                Moment::MinutesFromEpoch(c.y, c.m, c.d, c.hour24, c.minute), 1e-6)
        << c.expected;
  }
}

TEST(Moment, DaysOfTheCalendarOfTheDayCount) {
  // year, month, day, exists: Julian leap years to 1582, Gregorian after,
  // and the ten days the switch left out
  struct Case { int y, m, d; bool exists; };
  const Case cases[] = {
      {1500, 2, 29, true},  {1582, 2, 29, false}, {1600, 2, 29, true},  {1700, 2, 29, false},
      {1900, 2, 29, false}, {2000, 2, 29, true},  {2024, 2, 29, true},  {2023, 2, 29, false},
      {2024, 2, 30, false}, {2024, 4, 30, true},  {2024, 4, 31, false}, {2024, 12, 31, true},
      {1582, 10, 4, true},  {1582, 10, 5, false}, {1582, 10, 14, false}, {1582, 10, 15, true},
      {2024, 0, 1, false},  {2024, 13, 1, false}, {2024, 1, 0, false},  {4, 2, 29, true},
  };
  for (const Case& c : cases) EXPECT_EQ(DateExists(c.y, c.m, c.d), c.exists) << c.m << "/" << c.d << "/" << c.y;
}

TEST(Place, HemispheresAndTheFormsOfReports) {
  // longitude and latitude as degrees, minutes and hemisphere -> decimal
  // degrees (west and north positive), words, and the dot form reports print
  struct Case {
    DegreesMinutes lon;
    bool east;
    DegreesMinutes lat;
    bool south;
    double longitude, latitude;
    const char *ew, *ns;
    double lonDot, latDot;
  };
  const Case cases[] = {
      {{84, 23}, false, {33, 45}, false, 84 + 23 / 60.0, 33.75, "WEST", "NORTH", 84.23, 33.45},
      {{151, 12}, true, {33, 52}, true, -(151 + 12 / 60.0), -(33 + 52 / 60.0), "EAST", "SOUTH", 151.12, 33.52},
      {{0, 0}, true, {0, 0}, true, -0.0, -0.0, "EAST", "SOUTH", 0, 0},  // a zero keeps its hemisphere
      {{0, 0}, false, {0, 0}, false, 0, 0, "WEST", "NORTH", 0, 0},
      {{180, 0}, true, {90, 0}, false, -180, 90, "EAST", "NORTH", 180, 90},
  };
  for (const Case& c : cases) {
    const Place p = Place::FromDegreesMinutes(c.lon, c.east, c.lat, c.south);
    EXPECT_DOUBLE_EQ(p.Longitude, c.longitude);
    EXPECT_DOUBLE_EQ(p.Latitude, c.latitude);
    EXPECT_EQ(std::tuple(p.EWText(), p.NSText()), std::tuple(c.ew, c.ns));
    EXPECT_EQ(std::tuple(p.LongitudeDM(), p.LatitudeDM()), std::tuple(c.lon, c.lat));
    EXPECT_DOUBLE_EQ(p.LongitudeDM().Dot(), c.lonDot);
    EXPECT_DOUBLE_EQ(p.LatitudeDM().Dot(), c.latDot);
    // the signed dot form (east and south negative) reads back to the same place
    EXPECT_EQ(Place::FromDotMinutes(c.east ? -c.lonDot : c.lonDot, c.south ? -c.latDot : c.latDot), p)
        << c.lonDot << " " << c.latDot;
  }
  EXPECT_FALSE(Place::FromDegreesMinutes({0, 0}, true, {1, 0}, false) ==
               Place::FromDegreesMinutes({0, 0}, false, {1, 0}, false));
}

}  // namespace
}  // namespace halcyra
