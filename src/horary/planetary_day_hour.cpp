#include "horary/planetary_day_hour.h"

#include <algorithm>
#include <cmath>

#include "core/angle_helpers.h"
#include "core/calendar.h"
#include "reports/planetary_hours.h"
#include "reports/report_columns.h"
#include "state/shared_tables.h"

namespace halcyra {

namespace {

// Hour ends are stepped from the start of the day or night part. Past
// midnight the end is taken back by 24 hours once (the wrap); the two
// guards around 22 and 2.4 hours keep an hour that runs over midnight on
// the right side of the time.
struct HourSearch {
  int hour = 1;
  bool found = false;
};
HourSearch SearchHourEnd(double t, double sunrise, double start, double length) {
  constexpr int kMostSteps = 24;
  HourSearch s;
  double end = start;
  bool wrapped = false;
  for (int step = 1; step <= kMostSteps; ++step) {
    end += length;
    if (wrapped && t > 22 && end >= 24) end -= 24;
    if (!wrapped && end >= 24 && t < 2.4) {
      end -= 24;
      wrapped = true;
    }
    if ((end >= t && t >= sunrise) || (end < 12 && end >= t && t < sunrise)) {
      s.found = true;
      return s;
    }
    ++s.hour;
    if (!wrapped && end >= 24) {
      end -= 24;
      wrapped = true;
    }
  }
  return s;
}

}  // namespace

QuestionMoment QuestionMomentOf(const ChartInput& in) { return {in.Natal, in.NatalPlace}; }

std::string PlanetaryDayHour::DayText() const { return PadRight(DayRulerName(weekday) + " day", 11); }

std::string PlanetaryDayHour::HourText() const {
  return PadRight(HourRulerName(weekday, hour, night) + " hour", 12);
}

PlanetaryDayHour CalcPlanetaryDayHour(const QuestionMoment& moment, double sunrise, double sunset) {
  PlanetaryDayHour r;
  const Moment& when = moment.when;
  r.weekday = WeekdayNumber(static_cast<long>(DateToJulianDay(when.Year, when.Month, when.Day)));
  // the clock time on the 24-hour clock in decimal hours: 12.30 A.M. is 0.5
  const double t = when.LocalHours();
  if (t < sunrise) r.weekday = r.weekday == 0 ? 6 : r.weekday - 1;
  r.night = !(sunrise <= t && t < sunset);
  const double start = r.night ? sunset : sunrise;
  const double length = r.night ? (sunrise + 24 - sunset) / 12 : (sunset - sunrise) / 12;

  const HourSearch search = SearchHourEnd(t, sunrise, start, length);
  r.hourFoundBySearch = search.found;
  if (search.found) {
    r.hour = search.hour;
  } else {
    const double elapsed = std::fmod(t - start + 24, 24.0);
    const double counted = length > 0 ? 1 + std::floor(elapsed / length) : 1;
    r.hour = static_cast<int>(std::clamp(counted, 1.0, 12.0));
  }
  return r;
}

bool PlanetaryHourLatitudeTooHigh(const QuestionMoment& moment) { return moment.where.Latitude > 66; }

std::optional<PlanetaryDayHour> PlanetaryDayHourOf(const QuestionMoment& moment, const SunTimesSource& sunTimes) {
  if (PlanetaryHourLatitudeTooHigh(moment)) return std::nullopt;
  const HoursPlace place = HoursPlaceOf(moment.when, moment.where);
  const double hoursJulianDay = DateToJulianDay(place.year, place.month, place.day) - 0.5;
  const SunriseSunset sun = sunTimes(hoursJulianDay, place);
  return CalcPlanetaryDayHour(moment, sun.sunriseHour, sun.sunsetHour);
}

std::string PlanetaryDayHourLine(const std::optional<PlanetaryDayHour>& dayHour) {
  if (!dayHour) return "  Latitude is too extreme to calculate planetary hour ruler.";
  return "  " + dayHour->DayText() + "    " + dayHour->HourText();
}

}  // namespace halcyra
