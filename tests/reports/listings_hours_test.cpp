// The planetary-hours window's listings. Sunrise and sunset (the Sun's
// longitude on the Ascendant and the Descendant) against the Swiss
// Ephemeris' rising and setting of the Sun's disc centre without
// refraction, and the days without either. Planetary hours: the hour a
// clock time falls in, and the page sent to the output (a Chaldean round).
#include <gtest/gtest.h>
#include <swephexp.h>

#include <string>

#include "core/calendar.h"
#include "reports/golden_page.h"
#include "reports/planetary_hours.h"
#include "reports/report_fixture.h"
#include "reports/sunrise_sunset.h"
#include "shell/report_output.h"

namespace halcyra {
namespace {

// Midnight (day number less 0.5) of a civil date.
double Midnight(int year, int month, int day) { return DateToJulianDay(year, month, day) - 0.5; }

struct Recorder : ReportDisplay {
  std::vector<std::string> texts;
  void Notice(const std::string& text, const std::string& title, NoticeIcon) override {
    texts.push_back(title + " " + text);
  }
};

// Beyond the polar circles the Sun may stay up or down all day: the kind
// that is missing reads 0 and the shared-state form warns about it.
TEST(SunriseSunset, PolarDayAndNightHaveNoSunriseOrSunset) {
  for (const auto& [month, latitude] : {std::pair{6, 75.0}, {12, 75.0}, {12, -75.0}, {6, -75.0}}) {
    const SunriseSunset r = FindSunriseSunset(Midnight(2024, month, 21), {21, month, 2024, 0, 0, latitude});
    EXPECT_TRUE(!r.sunriseFound && !r.sunsetFound && r.sunriseHour + r.sunsetHour == 0) << month << " " << latitude;
  }
  // The natal window's boxes: 21 Dec 2024, zone 5.30 west, 71 E 30, 80 S 15.
  AppState state;
  ReadInputDForHours(state, {"12", "21", "2024", "", "", "5.30", "71", "30", "80", "15", false, true, true});
  const HoursPlace p = HoursPlaceOf(state.listings);
  EXPECT_EQ(std::tuple(p.day, p.month, p.year), std::tuple(21, 12, 2024));
  EXPECT_EQ(std::tuple(p.zoneHours, p.geoLong, p.geoLat), std::tuple(5.5, -71.5, -80.25));
  EXPECT_DOUBLE_EQ(state.listings.HoursJulianDay, Midnight(2024, 12, 21));

  Recorder recorder;
  state.services.reportDisplay = &recorder;
  state.listings.SunriseHour = state.listings.SunsetHour = 5;
  FindSunriseSunset(state);
  EXPECT_EQ(state.listings.SunriseHour + state.listings.SunsetHour, 0);
  EXPECT_EQ(recorder.texts, (std::vector<std::string>{
                                "Warning! I cannot find sunrise. The latitude is too extreme.",
                                "Warning! I cannot find sunset. The latitude is too extreme."}));
}

TEST(PlanetaryHours, HourOfAClockTime) {
  // time, hour, night, weekday, ruler; sunrise 6.00 and sunset 18.00 on a Wednesday: sunrise
  // itself, the end of an hour (its own), the night, and before sunrise (Tuesday's night)
  struct Case { double time; int hour; bool night; int weekday; const char* ruler; };
  const Case cases[] = {{6.00, 1, false, 0, "Mercury"}, {10.00, 4, false, 0, "Jupiter"},
                        {18.05, 1, true, 0, "Sun"},      {3.00, 9, true, 6, "Jupiter"}};
  for (const Case& c : cases) {
    const HourAt at = FindPlanetaryHour(c.time, 6, 18, 0);
    EXPECT_EQ(std::tuple(at.hour, at.night, at.weekday), std::tuple(c.hour, c.night, c.weekday)) << c.time;
    EXPECT_EQ(HourRulerName(at.weekday, at.hour, at.night), c.ruler) << c.time;
  }
  // sunrise and sunset both missing (0): two-hour night hours from 0.00
  const HourAt none = FindPlanetaryHour(5.0, 0, 0, 3);
  EXPECT_EQ(std::tuple(none.hour, none.night, none.weekday), std::tuple(3, true, 3));
}

// The rulers of every weekday against the traditional table of planetary
// hours (William Lilly, Christian Astrology, 1647, "A Table of the Planetary
// Hours"; the same in Agrippa's Three Books of Occult Philosophy, II.34):
// the first day hour belongs to the planet the day is named after, and the
// hours follow the Chaldean order Saturn, Jupiter, Mars, Sun, Venus,
// Mercury, Moon. The week of 2 to 8 June 2024, Sunday to Saturday.
TEST(PlanetaryHours, EveryWeekdaysRulersAsTheTraditionalTable) {
  const struct { int day; const char* weekday; const char* dayHours[12]; const char* firstNightHour; } week[] = {
      {2, "Sunday", {"Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn"}, "Jupiter"},
      {3, "Monday", {"Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun"}, "Venus"},
      {4, "Tuesday", {"Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon"}, "Saturn"},
      {5, "Wednesday", {"Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars"}, "Sun"},
      {6, "Thursday", {"Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury"}, "Moon"},
      {7, "Friday", {"Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter"}, "Mars"},
      {8, "Saturday", {"Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus"}, "Mercury"},
  };
  for (const auto& d : week) {
    const PlanetaryHoursTable table = PlanetaryHoursOf(d.day, 6, 2024, 5.25, 20.5);
    EXPECT_EQ(DayRulerName(table.weekday), d.dayHours[0]) << d.weekday;
    std::vector<std::string> dayHours, expected(std::begin(d.dayHours), std::end(d.dayHours));
    for (int i = 0; i < 12; ++i) dayHours.push_back(table.hours[i].ruler);
    EXPECT_EQ(dayHours, expected) << d.weekday;
    EXPECT_EQ(table.hours[12].ruler, d.firstNightHour) << d.weekday;
  }
}

// Every clock time of a day falls in the hour of the day's grid whose span
// holds it; where the sunrise comes after noon (the old counting of hour
// ends never stopped there) the answer is still a night hour 1 to 12.
TEST(PlanetaryHours, EveryClockTimeFallsInItsGridHour) {
  for (double rise : {4.0, 5.5, 6.0, 7.75, 9.0})
    for (double set : {15.5, 18.0, 20.25, 21.5}) {
      const PlanetaryHoursTable grid = PlanetaryHoursOf(5, 6, 2024, rise, set);
      for (int step = 0; step < 24 * 12; ++step) {
        const double t = step / 12.0 + 0.01;
        const bool night = t < rise || t >= set;
        const double onGrid = t < rise ? t + 24 : t;  // the night runs on past midnight
        int expected = 0;
        for (int i = night ? 12 : 0; !expected; ++i)
          if (onGrid <= grid.hours[i].end) expected = grid.hours[i].hour;
        const HourAt at = FindPlanetaryHour(t, rise, set, 0);
        ASSERT_EQ(std::tuple(at.hour, at.night), std::tuple(expected, night))
            << "time " << t << " sunrise " << rise << " sunset " << set;
      }
    }
  for (const auto& [rise, time] : {std::pair{13.5, 12.5}, {20.0, 13.0}, {20.0, 19.9}, {23.0, 12.0}}) {
    const HourAt at = FindPlanetaryHour(time, rise, rise + 0.5, 2);
    EXPECT_TRUE(at.night && at.hour >= 1 && at.hour <= 12) << rise << " " << time << ": " << at.hour;
  }
}

// 5 June 2024, sunrise 05:15, sunset 20:30: hours of 76.25 and 43.75 minutes.
TEST(PlanetaryHours, PageSentToOutput) {
  LineCollector page;
  WritePlanetaryHours(page, PlanetaryHoursOf(5, 6, 2024, 5.25, 20.5));
  EXPECT_TRUE(testing::MatchesGoldenPage("planetary_hours", page.lines));
  EXPECT_EQ(HourText(23.999), "00:00");  // rounded, then wrapped into the day
  EXPECT_EQ(HourText(25.5), "01:30");
}


// Hours after `midnightUt` (a universal-time day number) of the next rising
// or setting of the Sun's centre on the geometric horizon; -1 for none.
double SwissEvent(double midnightUt, double eastLongitude, double latitude, int kind) {
  double geopos[3] = {eastLongitude, latitude, 0}, when = 0;
  char error[256] = "";
  const int flags = kind | SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;
  if (swe_rise_trans(midnightUt, SE_SUN, nullptr, SEFLG_SWIEPH, flags, geopos, 1013.25, 15, &when, error) != 0)
    return -1;
  return (when - midnightUt) * 24;
}

// Latitudes -60 to 60 every 10 degrees, four seasons, places east and west
// with their own zones: every sunrise and sunset within 2 minutes of the
// Swiss Ephemeris' (test tolerance of the listing: one clock minute plus
// the mean sidereal time and obliquity of the chart, without nutation).
TEST(SunriseSunset, AgreeWithSwissEphemerisWithinTwoMinutes) {
  swe_set_ephe_path(const_cast<char*>("/usr/share/libswe/ephe"));
  for (const auto& [westLongitude, zone] : {std::pair{87.65, 6.0}, {-13.4, -1.0}, {-151.2, -10.0}, {0.0, 0.0}})
    for (const auto& [year, month, day] : {std::tuple{2024, 3, 20}, {2024, 6, 21}, {1990, 9, 23}, {2031, 12, 22}})
      for (int latitude = -60; latitude <= 60; latitude += 10) {
        const double midnight = Midnight(year, month, day);
        const SunriseSunset r = FindSunriseSunset(midnight, {day, month, year, zone, westLongitude, double(latitude)});
        // the local day holds the event when the next one falls before 24:00
        for (const auto& [kind, found, hour] : {std::tuple{SE_CALC_RISE, r.sunriseFound, r.sunriseHour},
                                                {SE_CALC_SET, r.sunsetFound, r.sunsetHour}}) {
          const double swiss = SwissEvent(midnight + zone / 24, -westLongitude, latitude, kind);
          if (swiss < 0 || swiss >= 24) continue;
          const std::string where = "lat " + std::to_string(latitude) + " month " + std::to_string(month) + " long " +
                                    std::to_string(westLongitude) + (kind == SE_CALC_RISE ? " sunrise" : " sunset");
          ASSERT_TRUE(found) << where;
          EXPECT_NEAR(hour, swiss, 2.0 / 60) << where;
        }
      }
  swe_close();
}


}  // namespace
}  // namespace halcyra
