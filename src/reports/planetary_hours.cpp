#include "reports/planetary_hours.h"

#include <algorithm>
#include <cmath>

#include "core/calendar.h"
#include "platform/number_format.h"
#include "reports/report_columns.h"
#include "state/shared_tables.h"

namespace halcyra {

namespace {

// By weekday number, from Wednesday.
constexpr const char* kDayRulers[7] = {"Mercury", "Jupiter", "Venus", "Saturn", "Sun", "Moon", "Mars"};
// By hour index 1 to 7: the Chaldean round from Mercury.
constexpr const char* kHourRulers[8] = {"", "Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus"};

int HourIndex(int weekday, int hour, bool night) {
  const int step = weekday * 24 + hour + (night ? 12 : 0);
  return (step - 1) % 7 + 1;
}

}  // namespace

std::string DayRulerName(int weekday) { return kDayRulers[((weekday % 7) + 7) % 7]; }

std::string HourRulerName(int weekday, int hour, bool night) {
  return kHourRulers[HourIndex(((weekday % 7) + 7) % 7, hour, night)];
}

HourAt FindPlanetaryHour(double clockHour, double sunriseHour, double sunsetHour, int weekday) {
  HourAt at;
  at.weekday = weekday;
  const double t = clockHour;
  double elapsed, length;
  if (t >= sunriseHour && t < sunsetHour) {
    elapsed = t - sunriseHour;
    length = (sunsetHour - sunriseHour) / 12;
  } else {
    at.night = true;
    if (t < sunriseHour) at.weekday = weekday == 0 ? 6 : weekday - 1;
    elapsed = t >= sunsetHour ? t - sunsetHour : t + 24 - sunsetHour;
    length = (sunriseHour + 24 - sunsetHour) / 12;
  }
  // the hour whose end is the first at or after the time
  const double n = length > 0 ? std::ceil(elapsed / length - 1e-9) : 1;
  at.hour = static_cast<int>(std::clamp(n, 1.0, 12.0));
  return at;
}

PlanetaryHoursTable PlanetaryHoursOf(int day, int month, int year, double sunriseHour,
                                     double sunsetHour) {
  PlanetaryHoursTable table;
  table.day = day;
  table.month = month;
  table.year = year;
  table.weekday = WeekdayNumber(static_cast<long>(DateToJulianDay(year, month, day)));
  table.sunriseHour = sunriseHour;
  table.sunsetHour = sunsetHour;
  const double dayLength = (sunsetHour - sunriseHour) / 12;
  const double nightLength = (sunriseHour + 24 - sunsetHour) / 12;
  for (int i = 0; i < 12; ++i) {
    table.hours[i] = {i + 1, false, sunriseHour + i * dayLength, sunriseHour + (i + 1) * dayLength,
                      HourRulerName(table.weekday, i + 1, false)};
    table.hours[12 + i] = {i + 1, true, sunsetHour + i * nightLength,
                           sunsetHour + (i + 1) * nightLength,
                           HourRulerName(table.weekday, i + 1, true)};
  }
  return table;
}

std::string HourText(double clockHours) {
  long minutes = std::lround(clockHours * 60);
  minutes %= 1440;
  if (minutes < 0) minutes += 1440;
  return FormatNumber(minutes / 60, "00") + ":" + FormatNumber(minutes % 60, "00");
}

void WritePlanetaryHours(LineSink& out, const PlanetaryHoursTable& table) {
  out.WriteBlankLine();
  out.WriteLine("               PLANETARY HOURS");
  out.WriteBlankLine();
  out.WriteLine("  " + FormatDateDdMmmYyyy(table.day, table.month, table.year) + "   " +
                PadRight(DayRulerName(table.weekday) + " day", 11) + "   Sunrise " + HourText(table.sunriseHour) +
                "   Sunset " + HourText(table.sunsetHour));
  out.WriteBlankLine();
  out.WriteLine(PadRight("  Day hours", 34) + "Night hours");
  for (int i = 0; i < 12; ++i) {
    auto cell = [](const PlanetaryHour& h) {
      return PadLeft(std::to_string(h.hour), 2) + "  " + HourText(h.start) + " - " +
             HourText(h.end) + "  " + PadRight(h.ruler, 7);
    };
    out.WriteLine("  " + cell(table.hours[i]) + "      " + cell(table.hours[12 + i]));
  }
}

}  // namespace halcyra
