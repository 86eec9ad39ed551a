#pragma once
// Civil dates to Julian day numbers and moments back to date text.
#include <string>

namespace halcyra {

// First Julian-calendar day count that is read as a Gregorian date:
// 15 October 1582, which is day 2299161.
inline constexpr double GregorianSwitchCount = 2299171;
// The day number of 15 October 1582, the first Gregorian date; the day
// before it is 4 October 1582 of the Julian calendar.
inline constexpr double FirstGregorianDay = 2299161;

// Noon-based Julian day number of a civil date, a whole number. Dates from
// 15 October 1582 on are Gregorian, earlier ones Julian. Day and month may
// run past their range and the count goes on (day 0 is the day before the
// 1st, day 32 of January is 1 February), except across the switch: the day
// is read on the calendar of the count it reaches, so add days to the day
// number, not to the day.
double DateToJulianDay(int year, int month, int day);

// The day of `month` of `year`, run past the month's range where need be,
// that DateToJulianDay reads as `dayNumber`: a date plus whole days, counted
// in day numbers, kept in the form of a day of the month it started in.
// Unlike day + n, it reads right when the days cross 4/15 October 1582.
int DayOfMonthAt(int year, int month, double dayNumber);

// The civil date of the day a Julian day moment falls in, each part a whole
// number, on the calendar DateToJulianDay reads: Gregorian from 15 October
// 1582 on, Julian before, so that every date comes back as it was typed.
struct CivilDate {
  double Year = 0, Month = 0, Day = 0;
};
CivilDate CivilDateOf(double julianDay);

// Date text of a Julian day moment (the date of CivilDateOf): dateFormat 2
// gives year/month/day, 1 day/month/year, any other value month/day/year.
// Month and day have two digits; the year text is the last four characters
// of its number text, so years below 1000 keep a blank.
std::string JulianDayToDateString(double julianDay, int dateFormat);

}  // namespace halcyra
