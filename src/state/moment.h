#pragma once
// A chart's moment as the input windows give it: a civil date, a clock time
// on the 12-hour clock and the zone it is read in; and the calendar of the
// day count that says which dates exist.
#include "state/dot_minutes.h"

namespace halcyra {

// Leap years of the calendar the day count reads: Gregorian from 1583
// (2000 has a 29 February, 1900 none), Julian before (1500 has one).
bool IsLeapYear(int year);
// Days of a month (1 to 12) of a year.
int DaysInMonth(int month, int year);
// Whether the date is a day of that calendar: the day within its month, and
// none of 5 to 14 October 1582, which the switch to the Gregorian count left out.
bool DateExists(int year, int month, int day);

// A zone as a zone box takes it: hours.minutes (DotMinutes::FromText) from
// 14 hours east (-14) to 13 hours west, as the hours they read as (minutes
// of 60 and more carried); nullopt for any other text.
std::optional<DotMinutes> ZoneFromText(std::string_view text);

struct Moment {
  int Year = 2000, Month = 1, Day = 1;
  int Hour = 12;   // 1 to 12: 12 A.M. is midnight, 12 P.M. noon
  int Minute = 0;  // 0 to 59
  bool PM = false;
  DotMinutes Zone;  // hours west of Greenwich, as typed: 5.30 is five hours thirty minutes

  // Hours plus minutes / 100 on the 12-hour clock: 3.07 for 3:07.
  double ClockTime() const { return Hour + Minute / 100.0; }
  const char* AmPmText() const { return PM ? "P.M." : "A.M."; }
  // Decimal hours, west positive.
  double ZoneHours() const { return Zone.Decimal(); }
  // Decimal hours from the zone's midnight: 12:30 A.M. is 0.5.
  double LocalHours() const { return Hour % 12 + Minute / 60.0 + (PM ? 12 : 0); }
  // Universal time of day over 24 hours; below 0 or from 1 on when the zone
  // carries the moment into the neighbouring day, the date staying as typed.
  double UniversalDayFraction() const { return (LocalHours() + ZoneHours()) / 24; }

  // The date and clock time that, read in `zone`, are the universal moment
  // `utcMinutes` (whole minutes from 1 January 1970, 00:00 UT, proleptic
  // Gregorian calendar).
  static Moment FromUniversalMinutes(long long utcMinutes, const DotMinutes& zone);
  // The universal moment of this date and clock time read in its zone, in
  // the same count: the inverse of FromUniversalMinutes.
  long long UniversalMinutes() const;
  // Whole minutes from 1 January 1970, 00:00, of a Gregorian date and a time
  // of day on the 24-hour clock.
  static long long MinutesFromEpoch(int year, int month, int day, int hour24, int minute);

  bool operator==(const Moment&) const = default;
};

}  // namespace halcyra
