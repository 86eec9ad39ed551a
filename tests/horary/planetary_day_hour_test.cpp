// The planetary day and hour line against hours counted by hand: twelve
// hours from sunrise to sunset, twelve from sunset to the next sunrise,
// rulers in the Chaldean order from the weekday's own planet. 5 January
// 2000 is a Wednesday (Mercury's day), 1 January 2000 a Saturday.
#include <gtest/gtest.h>

#include "horary/horary_fixture.h"
#include "horary/planetary_day_hour.h"

namespace halcyra {
namespace {

TEST(PlanetaryDayHour, RulersOfDayAndNightHours) {
  // day of January 2000, clock as typed, sunrise, sunset, line
  const struct { int day; double clock; const char* amPm; double rise, set; const char* line, *why; } cases[] = {
      {1, 12.00, "P.M.", 7.5, 16.5, "  Saturn day     Mercury hour", "Saturday noon ends day hour 6"},
      {5, 6.30, "A.M.", 6, 18, "  Mercury day    Mercury hour", "the first day hour is the day's own"},
      {5, 10.00, "A.M.", 6, 18, "  Mercury day    Jupiter hour", "10.00 ends hour 4 and belongs to it"},
      {5, 10.01, "A.M.", 6, 18, "  Mercury day    Mars hour   ", "a minute on: hour 5"},
      {5, 6.30, "P.M.", 6, 18, "  Mercury day    Sun hour    ", "the first night hour"},
      {5, 3.00, "A.M.", 6, 18, "  Mars day       Jupiter hour", "before sunrise: Tuesday's night hour 9"},
      {5, 12.30, "A.M.", 6, 18, "  Mars day       Moon hour   ", "12.30 A.M. is 0.30: night hour 7"},
      {5, 12.15, "P.M.", 6, 18, "  Mercury day    Venus hour  ", "12.15 P.M. is 12.25: day hour 7"},
      {5, 11.45, "P.M.", 6, 18, "  Mercury day    Jupiter hour", "23.75 is in night hour 6"},
      {5, 5.00, "A.M.", 0, 0, "  Mercury day    Mercury hour", "no sunrise or sunset: night hours of 2 from 0.00"},
  };
  for (const auto& c : cases) {
    const PlanetaryDayHour r = CalcPlanetaryDayHour({2000, 1, c.day, c.clock, c.amPm, 0, 0, 51.30}, c.rise, c.set);
    EXPECT_EQ(PlanetaryDayHourLine(r), c.line) << c.why;
    EXPECT_TRUE(r.hourFoundBySearch) << c.why;
  }
}

// Latitudes as typed (degrees + minutes / 100): 66 degrees 1 minute north
// is refused without asking for sunrise; a far southern one never is.
TEST(PlanetaryDayHour, RefusedOnlyNorthOf66) {
  for (const auto& [latitude, refused] : {std::pair{66.00f, false}, {66.01f, true}, {-70.00f, false}}) {
    QuestionMoment moment = testing::HoraryFixtureMoment();
    moment.geoLat = latitude;
    bool asked = false;
    const auto source = [&](double, const HoursPlace& place) {
      asked = true;
      EXPECT_NEAR(place.geoLong, 71 + 4 / 60.0, 1e-6);  // decimal degrees, west positive
      return testing::SixToSix(0, place);
    };
    EXPECT_EQ(PlanetaryDayHourLine(PlanetaryDayHourOf(moment, source)),
              refused ? "  Latitude is too extreme to calculate planetary hour ruler."
                      : "  Jupiter day    Mercury hour");
    EXPECT_EQ(asked, !refused) << latitude;
  }
}

// Sunrise at 13.00, sunset at 20.00 (far south, or a large zone) and a time
// between noon and sunrise: no hour end lies between the time and noon, so
// the search would run for ever. It stops after 24 steps and the hour is
// counted from sunset: 16.5 hours into a night of 17/12-hour hours is hour
// 12. At 3.00 A.M. of the same night the search still finds hour 5.
TEST(PlanetaryDayHour, SearchThatMeetsNoHourEndEndsAndCountsTheHour) {
  const PlanetaryDayHour r = CalcPlanetaryDayHour({2000, 1, 5, 12.30, "P.M.", 0, 0, -60}, 13, 20);
  EXPECT_EQ(std::tuple(r.hourFoundBySearch, r.night, r.hour, r.weekday), std::tuple(false, true, 12, 6));
  const PlanetaryDayHour early = CalcPlanetaryDayHour({2000, 1, 5, 3.00, "A.M.", 0, 0, -60}, 13, 20);
  EXPECT_EQ(std::tuple(early.hourFoundBySearch, early.hour), std::tuple(true, 5));
}

}  // namespace
}  // namespace halcyra
