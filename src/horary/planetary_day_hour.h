#pragma once
// The planetary day and hour of the question's moment: the day begins at
// sunrise and belongs to the planet of its weekday; daylight and night are
// each cut into twelve equal hours whose rulers follow the Chaldean order.
#include <functional>
#include <optional>
#include <string>

#include "reports/sunrise_sunset.h"

namespace halcyra {

// The chart's moment and place as typed in the natal input (or stepped by
// the wheel).
struct QuestionMoment {
  Moment when;
  Place where;
};
QuestionMoment QuestionMomentOf(const ChartInput& input);

// Sunrise and sunset of a day (its day number less 0.5) at a place: the
// program asks the sunrise/sunset service, tests give fixed times.
using SunTimesSource = std::function<SunriseSunset(double hoursJulianDay, const HoursPlace& place)>;

struct PlanetaryDayHour {
  int weekday = 0;     // 0 Wednesday .. 6 Tuesday; before sunrise the previous day's
  int hour = 1;        // 1 to 12
  bool night = false;
  bool hourFoundBySearch = true;  // false: the search ran out and the hour was counted
  std::string DayText() const;    // "Sun day    ", 11 characters
  std::string HourText() const;   // "Venus hour  ", 12 characters
};

// The ruler of the day and of the hour for the clock time of the moment,
// given the day's sunrise and sunset in decimal hours of the same clock (0
// for one not found). The hour is the first whose end reaches the time, an
// hour's end belonging to it. Where the search of twice twelve hour ends
// meets no end for the time (a sunrise after noon and a time before it),
// the hour is counted from the start of its day or night part instead.
PlanetaryDayHour CalcPlanetaryDayHour(const QuestionMoment& moment, double sunriseHour, double sunsetHour);

// North of 66 degrees 00 minutes the planetary hour is not worked out; a
// southern latitude never stops it.
bool PlanetaryHourLatitudeTooHigh(const QuestionMoment& moment);

// The day and hour of the moment, sunrise and sunset taken from `sunTimes`
// for its date and place; nothing when the latitude is too high.
std::optional<PlanetaryDayHour> PlanetaryDayHourOf(const QuestionMoment& moment, const SunTimesSource& sunTimes);

// "  " day, four blanks, hour; or the latitude refusal.
std::string PlanetaryDayHourLine(const std::optional<PlanetaryDayHour>& dayHour);

}  // namespace halcyra
