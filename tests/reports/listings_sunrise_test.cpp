// Sunrise and sunset (the Sun's longitude on the Ascendant and the
// Descendant) against the Swiss Ephemeris' rising and setting of the
// Sun's disc centre without refraction, and the days without either.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/calendar.h"
#include "reports/sunrise_sunset.h"
#include "shell/report_output.h"

#ifdef HALCYRA_HAVE_SWE
#include <swephexp.h>
#endif

namespace halcyra {
namespace {

// Midnight (day number less 0.5) of a civil date.
double Midnight(int year, int month, int day) { return DateToJulianDay(year, month, day) - 0.5; }

TEST(SunriseSunset, PlaceFromTheNatalWindowBoxes) {
  InputBoxTexts boxes;
  boxes.Month = "6";
  boxes.Day = "21";
  boxes.Year = "2024";
  boxes.TZ = "5.30";  // five hours thirty, west
  boxes.LongDeg = "71";
  boxes.LongMin = "30";
  boxes.East = true;
  boxes.LatDeg = "42";
  boxes.LatMin = "15";
  boxes.South = true;
  const HoursPlace p = HoursPlaceOf(boxes);
  EXPECT_EQ(p.day, 21);
  EXPECT_EQ(p.month, 6);
  EXPECT_EQ(p.year, 2024);
  EXPECT_DOUBLE_EQ(p.zoneHours, 5.5);
  EXPECT_DOUBLE_EQ(p.geoLong, -71.5);
  EXPECT_DOUBLE_EQ(p.geoLat, -42.25);
}

// Beyond the polar circles the Sun may stay up or down all day: the kind
// that is missing reads 0 and the shared-state form warns about it.
struct Recorder : ReportDisplay {
  std::vector<std::string> texts;
  void Notice(const std::string& text, const std::string& title, NoticeIcon) override {
    texts.push_back(title + " " + text);
  }
};

TEST(SunriseSunset, PolarDayAndNightHaveNoSunriseOrSunset) {
  struct Case {
    int month;
    double latitude;
  } cases[] = {{6, 75}, {12, 75}, {12, -75}, {6, -75}};
  for (const Case& c : cases) {
    HoursPlace place{21, c.month, 2024, 0, 0, c.latitude};
    const SunriseSunset r = FindSunriseSunset(Midnight(2024, c.month, 21), place);
    EXPECT_FALSE(r.sunriseFound) << c.month << " " << c.latitude;
    EXPECT_FALSE(r.sunsetFound) << c.month << " " << c.latitude;
    EXPECT_EQ(r.sunriseHour, 0);
    EXPECT_EQ(r.sunsetHour, 0);
  }

  Recorder recorder;
  SetReportDisplay(&recorder);
  AppState state;
  InputBoxTexts boxes;
  boxes.Month = "6";
  boxes.Day = "21";
  boxes.Year = "2024";
  boxes.TZ = "0";
  boxes.LatDeg = "80";
  ReadInputDForHours(state, boxes);
  EXPECT_DOUBLE_EQ(state.listings.HoursJulianDay, Midnight(2024, 6, 21));
  state.listings.SunriseHour = state.listings.SunsetHour = 5;
  FindSunriseSunset(state);
  SetReportDisplay(nullptr);
  EXPECT_EQ(state.listings.SunriseHour, 0);
  EXPECT_EQ(state.listings.SunsetHour, 0);
  ASSERT_EQ(recorder.texts.size(), 2u);
  EXPECT_EQ(recorder.texts[0], "Warning! I cannot find sunrise. The latitude is too extreme.");
  EXPECT_EQ(recorder.texts[1], "Warning! I cannot find sunset. The latitude is too extreme.");
}

#ifdef HALCYRA_HAVE_SWE

// Hours after `midnightUt` (a universal-time day number) of the next rising
// or setting of the Sun's centre on the geometric horizon.
double SwissEvent(double midnightUt, double eastLongitude, double latitude, int kind) {
  double geopos[3] = {eastLongitude, latitude, 0};
  double when = 0;
  char error[256] = "";
  const int flags = kind | SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;
  if (swe_rise_trans(midnightUt, SE_SUN, nullptr, SEFLG_SWIEPH, flags, geopos, 1013.25, 15, &when,
                     error) != 0)
    return -1;
  return (when - midnightUt) * 24;
}

// Latitudes -60 to 60 every 10 degrees, four seasons, places east and west
// with their own zones: every sunrise and sunset within 2 minutes of the
// Swiss Ephemeris' (test tolerance of the listing: one clock minute plus
// the mean sidereal time and obliquity of the chart, without nutation).
TEST(SunriseSunset, AgreeWithSwissEphemerisWithinTwoMinutes) {
  swe_set_ephe_path(const_cast<char*>("/usr/share/libswe/ephe"));
  struct Place {
    double westLongitude, zone;
  } places[] = {{87.65, 6}, {-13.4, -1}, {-151.2, -10}, {0, 0}};
  struct Date {
    int year, month, day;
  } dates[] = {{2024, 3, 20}, {2024, 6, 21}, {1990, 9, 23}, {2031, 12, 22}};
  double worst = 0;
  for (const Place& place : places) {
    for (const Date& date : dates) {
      for (int latitude = -60; latitude <= 60; latitude += 10) {
        const HoursPlace p{date.day, date.month, date.year, place.zone, place.westLongitude,
                           static_cast<double>(latitude)};
        const double midnight = Midnight(date.year, date.month, date.day);
        const SunriseSunset r = FindSunriseSunset(midnight, p);
        const double midnightUt = midnight + place.zone / 24;
        const double rise = SwissEvent(midnightUt, -place.westLongitude, latitude, SE_CALC_RISE);
        const double set = SwissEvent(midnightUt, -place.westLongitude, latitude, SE_CALC_SET);
        // the local day holds the event when the next one falls before 24:00
        if (rise >= 0 && rise < 24) {
          ASSERT_TRUE(r.sunriseFound) << latitude << " " << date.month;
          EXPECT_NEAR(r.sunriseHour, rise, 2.0 / 60) << "lat " << latitude << " " << date.year
                                                      << "-" << date.month << " long "
                                                      << place.westLongitude;
          worst = std::max(worst, std::fabs(r.sunriseHour - rise));
        }
        if (set >= 0 && set < 24) {
          ASSERT_TRUE(r.sunsetFound) << latitude << " " << date.month;
          EXPECT_NEAR(r.sunsetHour, set, 2.0 / 60) << "lat " << latitude << " " << date.year
                                                    << "-" << date.month << " long "
                                                    << place.westLongitude;
          worst = std::max(worst, std::fabs(r.sunsetHour - set));
        }
      }
    }
  }
  RecordProperty("worst_minutes", std::to_string(worst * 60));
  swe_close();
}

#endif

}  // namespace
}  // namespace halcyra
