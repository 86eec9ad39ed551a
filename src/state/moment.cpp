#include "state/moment.h"

namespace halcyra {

namespace {

// Days from 1 January 1970 of a proleptic Gregorian date, and back: eras of
// 400 years counted from 1 March, so the leap day ends each year.
long long DaysFromCivil(long long y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

// The zone is west positive: its clock is behind universal time by this much.
long long ZoneMinutesWest(const DotMinutes& zone) {
  return (zone.Whole * 60LL + zone.Minutes) * (zone.Negative ? -1 : 1);
}

long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

bool IsLeapYear(int year) {
  if (year <= 1582) return year % 4 == 0;
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year) {
  static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool DateExists(int year, int month, int day) {
  if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(month, year)) return false;
  return !(year == 1582 && month == 10 && day >= 5 && day <= 14);
}

std::optional<DotMinutes> ZoneFromText(std::string_view text) {
  const std::optional<DotMinutes> zone = DotMinutes::FromText(text);
  if (!zone || zone->Decimal() < -14 || zone->Decimal() > 13) return std::nullopt;
  return zone;
}

long long Moment::MinutesFromEpoch(int year, int month, int day, int hour24, int minute) {
  return DaysFromCivil(year, month, day) * 1440 + hour24 * 60LL + minute;
}

Moment Moment::FromUniversalMinutes(long long utcMinutes, const DotMinutes& zone) {
  const long long local = utcMinutes - ZoneMinutesWest(zone);
  const long long days = FloorDiv(local, 1440);
  const int minuteOfDay = static_cast<int>(local - days * 1440);
  Moment m;
  CivilFromDays(days, m.Year, m.Month, m.Day);
  const int hour24 = minuteOfDay / 60;
  m.Minute = minuteOfDay % 60;
  m.PM = hour24 >= 12;
  m.Hour = hour24 % 12 == 0 ? 12 : hour24 % 12;
  m.Zone = zone;
  return m;
}

long long Moment::UniversalMinutes() const {
  const int hour24 = Hour % 12 + (PM ? 12 : 0);
  return MinutesFromEpoch(Year, Month, Day, hour24, Minute) + ZoneMinutesWest(Zone);
}

}  // namespace halcyra
