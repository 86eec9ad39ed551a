#include "core/calendar.h"

#include "core/angle_helpers.h"
#include "platform/number_text.h"

namespace halcyra {

double DateToJulianDay(int year, int month, int day) {
  // months counted from March of year -4800, so leap days fall at the end
  const double m = (static_cast<double>(year) + 4800) * 12 + month - 3;
  const double j = (2 * (m - Int(m / 12) * 12) + 7 + 365 * m) / 12;
  double jd = Int(j) + day + Int(m / 48) - 32083;
  if (jd >= GregorianSwitchCount) jd = jd + Int(m / 4800) - Int(m / 1200) + 38;
  return jd;
}

int DayOfMonthAt(int year, int month, double dayNumber) {
  double day = dayNumber - DateToJulianDay(year, month, 0);
  // read on the other calendar than day 0, the day is off by the calendars' difference
  day += dayNumber - DateToJulianDay(year, month, static_cast<int>(day));
  return static_cast<int>(day);
}

namespace {

// The Julian-calendar date of a day number: the Julian-calendar form of the
// Fliegel and Van Flandern conversion, in cycles of 1461 days (four years)
// from 4716 B.C., with floor divisions so that it holds for any day number.
CivilDate JulianCalendarDate(double dayNumber) {
  double j = dayNumber + 1402;
  const double k = Int((j - 1) / 1461);
  const double l = j - 1461 * k;
  const double n = Int((l - 1) / 365) - Int(l / 1461);
  double i = l - 365 * n + 30;
  j = Int(80 * i / 2447);
  CivilDate date;
  date.Day = i - Int(2447 * j / 80);
  i = Int(j / 11);
  date.Month = j + 2 - 12 * i;
  date.Year = 4 * k + n + i - 4716;
  return date;
}

}  // namespace

CivilDate CivilDateOf(double julianDay) {
  if (Int(julianDay + 0.5) < FirstGregorianDay) return JulianCalendarDate(Int(julianDay + 0.5));
  // Fliegel and Van Flandern, Gregorian
  double l = Int(julianDay + 0.5) + 68569;
  const double n = Int(4 * l / 146097);
  l = l - Int((146097 * n + 3) / 4);
  const double i = Int(4000 * (l + 1) / 1461001);
  l = l - Int(1461 * i / 4) + 31;
  const double j = Int(80 * l / 2447);
  CivilDate date;
  date.Day = l - Int(2447 * j / 80);
  l = Int(j / 11);
  date.Month = j + 2 - 12 * l;
  date.Year = 100 * (n - 49) + i + l;
  return date;
}

namespace {
std::string TwoDigits(double v) {
  std::string s = StrNumber(v);
  if (!s.empty() && s[0] == ' ') s.erase(0, 1);
  return v < 10 ? "0" + s : s;
}
}  // namespace

std::string JulianDayToDateString(double julianDay, int dateFormat) {
  const CivilDate date = CivilDateOf(julianDay);
  std::string yearText = StrNumber(date.Year);
  if (yearText.size() > 4) yearText = yearText.substr(yearText.size() - 4);
  const std::string dd = TwoDigits(date.Day), mm = TwoDigits(date.Month);
  std::string text;
  if (dateFormat == 2)
    text = yearText + "/" + mm + "/" + dd;
  else if (dateFormat == 1)
    text = dd + "/" + mm + "/" + yearText;
  else
    text = mm + "/" + dd + "/" + yearText;
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace halcyra
