// The moment and place values: the days of the calendar the day count reads
// and the forms a place is shown in. (A universal moment written in a zone:
// tests/chart_input/moment_of_now_test.cpp.)
#include <gtest/gtest.h>

#include "state/moment.h"
#include "state/place.h"

namespace halcyra {
namespace {

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
