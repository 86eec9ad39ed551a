#include "reports/listing_clock.h"

#include <cmath>

#include "core/angle_helpers.h"
#include "core/calendar.h"
#include "core/chart_time.h"

namespace halcyra {

ChartClock ListingClockAt(const ListingPlace& place, const ListingDay& day, double localMinutes) {
  const double universal = localMinutes + place.zoneHours * 60;
  const double wholeDays = std::floor(universal / 1440);
  ChartMomentInput in;
  in.year = day.year;
  in.month = day.month;
  in.day = day.day;
  in.dayOffset = static_cast<int>(wholeDays);
  in.dayFraction = (universal - wholeDays * 1440) / 1440;
  in.where = place.where;
  return ComputeChartClock(in);
}

ListingDay DayOfMinute(const ListingDay& day, long localMinutes) {
  const double wholeDays = std::floor(localMinutes / 1440.0);
  // counted in day numbers, so that 4 October 1582 is followed by 15 October
  const CivilDate date = CivilDateOf(DateToJulianDay(day.year, day.month, day.day) + wholeDays);
  return {WholeOf(date.Year), WholeOf(date.Month), WholeOf(date.Day)};
}

std::string ClockText(long localMinutes) {
  long m = localMinutes % 1440;
  if (m < 0) m += 1440;
  // written digit by digit: a year's listing writes a million of these
  const char text[] = {static_cast<char>('0' + m / 600), static_cast<char>('0' + m / 60 % 10), ':',
                       static_cast<char>('0' + m % 60 / 10), static_cast<char>('0' + m % 10)};
  return std::string(text, sizeof text);
}

}  // namespace halcyra
