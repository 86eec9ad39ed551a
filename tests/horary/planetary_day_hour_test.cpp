// The planetary day and hour line against hours counted by hand: the day's
// twelve hours from sunrise to sunset, the night's from sunset to the next
// sunrise, rulers in the Chaldean order from the weekday's own planet.
// 5 January 2000 is a Wednesday (Mercury's day), 1 January 2000 a Saturday.
#include <gtest/gtest.h>

#include "horary/horary_fixture.h"
#include "horary/planetary_day_hour.h"

namespace halcyra {
namespace {

struct HourCase {
  int day;
  double clock;
  const char* amPm;
  double sunrise, sunset;
  const char* line;
  const char* why;
};

TEST(PlanetaryDayHour, RulersOfDayAndNightHours) {
  const HourCase cases[] = {
      {1, 12.00, "P.M.", 7.5, 16.5, "  Saturn day     Mercury hour", "Saturday noon: day hour 6 ends at noon"},
      {5, 6.30, "A.M.", 6, 18, "  Mercury day    Mercury hour", "first day hour is the day's own"},
      {5, 7.30, "A.M.", 6, 18, "  Mercury day    Moon hour   ", "second day hour"},
      {5, 10.00, "A.M.", 6, 18, "  Mercury day    Jupiter hour", "10.00 ends hour 4, so belongs to it"},
      {5, 10.01, "A.M.", 6, 18, "  Mercury day    Mars hour   ", "a minute later: hour 5"},
      {5, 6.30, "P.M.", 6, 18, "  Mercury day    Sun hour    ", "first night hour"},
      {5, 3.00, "A.M.", 6, 18, "  Mars day       Jupiter hour", "before sunrise: Tuesday's night hour 9"},
      {5, 12.30, "A.M.", 6, 18, "  Mars day       Moon hour   ", "12.30 A.M. is 0.30: night hour 7"},
      {5, 12.15, "P.M.", 6, 18, "  Mercury day    Venus hour  ", "12.15 P.M. is 12.25: day hour 7"},
      {5, 11.45, "P.M.", 6, 18, "  Mercury day    Jupiter hour", "23.75: night hour 6 runs to midnight"},
      {5, 5.00, "A.M.", 0, 0, "  Mercury day    Mercury hour", "no sunrise or sunset: 2-hour night hours from 0.00"},
  };
  for (const HourCase& c : cases) {
    const QuestionMoment moment{2000, 1, c.day, c.clock, c.amPm, 0, 0, 51.30};
    const PlanetaryDayHour r = CalcPlanetaryDayHour(moment, c.sunrise, c.sunset);
    EXPECT_EQ(PlanetaryDayHourLine(r), c.line) << c.why;
    EXPECT_TRUE(r.hourFoundBySearch) << c.why;
  }
}

// The latitude is read as typed, degrees + minutes / 100: 66.00 is worked
// out, 66 degrees 1 minute north is refused without asking for sunrise, a
// far southern latitude never is.
TEST(PlanetaryDayHour, RefusedOnlyNorthOf66) {
  const struct {
    double latitude;
    bool asked;
    const char* line;
  } cases[] = {
      {66.00, true, "  Jupiter day    Mercury hour"},
      {66.01, false, "  Latitude is too extreme to calculate planetary hour ruler."},
      {-70.00, true, "  Jupiter day    Mercury hour"},
  };
  for (const auto& c : cases) {
    QuestionMoment moment = testing::HoraryFixtureMoment();
    moment.geoLat = static_cast<float>(c.latitude);  // the chart input holds single precision
    HoursPlace asked{};
    bool called = false;
    const auto source = [&](double, const HoursPlace& place) {
      called = true;
      asked = place;
      return testing::SixToSix(0, place);
    };
    EXPECT_EQ(PlanetaryDayHourLine(PlanetaryDayHourOf(moment, source)), c.line) << c.latitude;
    EXPECT_EQ(called, c.asked) << c.latitude;
    if (called) {
      EXPECT_NEAR(asked.geoLong, 71 + 4 / 60.0, 1e-6);  // decimal degrees, west positive
    }
  }
}

// A sunrise after noon and a time between noon and sunrise (far south in
// winter, or a large zone): no hour end falls between the time and noon,
// so the search would never end. It stops after 24 steps and the hour is
// counted from sunset: 16.5 hours into a night of 17 / 12-hour hours.
TEST(PlanetaryDayHour, SearchThatMeetsNoHourEndEndsAndCountsTheHour) {
  const QuestionMoment moment{2000, 1, 5, 12.30, "P.M.", 0, 0, -60};
  const PlanetaryDayHour r = CalcPlanetaryDayHour(moment, 13, 20);
  EXPECT_FALSE(r.hourFoundBySearch);
  EXPECT_TRUE(r.night);
  EXPECT_EQ(r.hour, 12);
  EXPECT_EQ(r.weekday, 6);  // before sunrise: Tuesday
  // The same night before the noon: the search finds the hour (3.00 A.M. is
  // 7 hours after sunset, in night hour 5), so the counting is a fallback only.
  const PlanetaryDayHour early = CalcPlanetaryDayHour({2000, 1, 5, 3.00, "A.M.", 0, 0, -60}, 13, 20);
  EXPECT_TRUE(early.hourFoundBySearch);
  EXPECT_EQ(early.hour, 5);
}

}  // namespace
}  // namespace halcyra
