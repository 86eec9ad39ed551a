#pragma once
// Planetary hours: the day from sunrise to sunset and the night from sunset
// to the next sunrise (taken as the same sunrise 24 hours on) are each cut
// into twelve equal hours; the first hour of a day goes to the planet of
// its weekday and each hour after it to the next planet in the Chaldean
// order, Saturn, Jupiter, Mars, Sun, Venus, Mercury, Moon.
#include <array>
#include <string>

#include "state/line_sink.h"

namespace halcyra {

// "Mercury", "Jupiter", "Venus", "Saturn", "Sun", "Moon" or "Mars": the
// ruler of weekday w (0 Wednesday).
std::string DayRulerName(int weekday);

// Ruler of hour `hour` (1 to 12) of the day (night false) or the night of
// weekday w: step W * 24 + hour (+ 12 by night) of the Chaldean round that
// starts with Mercury on a Wednesday's first hour.
std::string HourRulerName(int weekday, int hour, bool night);

// The hour a clock time (decimal hours 0 up to 24) falls in, for a day
// whose sunrise and sunset are given in the same clock. Before sunrise the
// time belongs to the night of the previous weekday. A time exactly at the
// end of an hour belongs to that hour. The hour is counted from the start
// of its day or night part, so it is found for every input, also where the
// sunrise falls after noon or either time is missing (0).
struct HourAt {
  int hour = 1;          // 1 to 12
  bool night = false;
  int weekday = 0;       // the weekday the hour belongs to
};
HourAt FindPlanetaryHour(double clockHour, double sunriseHour, double sunsetHour, int weekday);

struct PlanetaryHour {
  int hour = 1;
  bool night = false;
  double start = 0, end = 0;  // clock hours, 0 up to 24 (a night hour may end after midnight)
  std::string ruler;
};

struct PlanetaryHoursTable {
  int day = 0, month = 0, year = 0;
  int weekday = 0;
  double sunriseHour = 0, sunsetHour = 0;
  std::array<PlanetaryHour, 24> hours{};  // day hours 1-12, then night hours 1-12
};

PlanetaryHoursTable PlanetaryHoursOf(int day, int month, int year, double sunriseHour,
                                     double sunsetHour);

// "hh:mm" of clock hours, rounded to the minute, wrapped into the day.
std::string HourText(double clockHours);

// The table as a report page section: title, date, day ruler, sunrise
// and sunset, then twelve rows of a day hour beside a night hour.
void WritePlanetaryHours(LineSink& out, const PlanetaryHoursTable& table);

}  // namespace halcyra
