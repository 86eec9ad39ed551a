// The new-date window's reading of its month, day and year boxes: the day
// number of a date the calendar has, or the box at fault and its message.
#include <gtest/gtest.h>

#include "core/calendar.h"
#include "shell/new_date.h"

namespace halcyra {
namespace {

// The boxes opened on 4 December 2002, as the listing left them.
const NewDateFields kShown{12, 4, 2002};

// month, day, year typed; the date taken (y, m, d) or the box at fault and
// the message; why the row is there.
struct Row {
  const char *month, *day, *year;
  int y, m, d;
  std::optional<NewDateBox> fault;
  const char* message;
  const char* why;
};

const Row kRows[] = {
    {"12", "31", "2003", 2003, 12, 31, {}, "", "last month, last day"},
    {"13", "1", "2003", 0, 0, 0, NewDateBox::Month, "There is no month 13. Please enter 1 to 12.",
     "month above 12 no longer counts into the next year"},
    {"1", "1", "2003", 2003, 1, 1, {}, "", "first month, first day"},
    {"0", "1", "2003", 0, 0, 0, NewDateBox::Month, "There is no month 0. Please enter 1 to 12.",
     "month 0, what \"x9-y\" once read as"},
    {"6", "30", "2003", 2003, 6, 30, {}, "", "last day of June"},
    {"6", "31", "2003", 0, 0, 0, NewDateBox::Day, "June 2003 has no day 31. Please correct the day.",
     "a day past the month's end no longer counts into the next month"},
    {"6", "0", "2003", 0, 0, 0, NewDateBox::Day, "June 2003 has no day 0. Please correct the day.", "day 0"},
    {"2", "29", "2004", 2004, 2, 29, {}, "", "leap year"},
    {"2", "29", "2003", 0, 0, 0, NewDateBox::Day, "February 2003 has no day 29. Please correct the day.",
     "common year"},
    {"2", "29", "2000", 2000, 2, 29, {}, "", "Gregorian leap century"},
    {"2", "29", "1900", 0, 0, 0, NewDateBox::Day, "February 1900 has no day 29. Please correct the day.",
     "Gregorian common century"},
    {"2", "29", "1500", 1500, 2, 29, {}, "", "Julian leap century, before the switch"},
    {"10", "4", "1582", 1582, 10, 4, {}, "", "last Julian day"},
    {"10", "5", "1582", 0, 0, 0, NewDateBox::Day, "October 1582 has no day 5. Please correct the day.",
     "first day the switch left out"},
    {"10", "14", "1582", 0, 0, 0, NewDateBox::Day, "October 1582 has no day 14. Please correct the day.",
     "last day the switch left out"},
    {"10", "15", "1582", 1582, 10, 15, {}, "", "first Gregorian day"},
    {"6", "1", "2099", 2099, 6, 1, {}, "", "last year the input windows take"},
    {"6", "1", "2100", 0, 0, 0, NewDateBox::Year, "Year 2100 is out of range. Please enter 1 to 2099.",
     "past the last year"},
    {"6", "1", "1", 1, 6, 1, {}, "", "first year the transit window takes"},
    {"6", "1", "0", 0, 0, 0, NewDateBox::Year, "Year 0 is out of range. Please enter 1 to 2099.",
     "there is no year 0"},
    {"06", "009", "02003", 2003, 6, 9, {}, "", "leading zeros"},
    {"", "", "", 2002, 12, 4, {}, "", "empty boxes keep the day the window opened on"},
    {" ", "15", "", 2002, 12, 15, {}, "", "a box of blanks is empty"},
    {"x9-y", "1", "2003", 0, 0, 0, NewDateBox::Month,
     "There is no month x9-y. Please enter 1 to 12.", "no whole number: named as typed"},
    {"6", "1", "1234567890", 0, 0, 0, NewDateBox::Year,
     "Year 1234567890 is out of range. Please enter 1 to 2099.", "too many digits to read"},
    {"13", "32", "2100", 0, 0, 0, NewDateBox::Month, "There is no month 13. Please enter 1 to 12.",
     "the month is judged first"},
    {"6", "31", "2100", 0, 0, 0, NewDateBox::Year, "Year 2100 is out of range. Please enter 1 to 2099.",
     "then the year, which the day's message names"},
};

TEST(NewDate, TakesOnlyADateTheCalendarHas) {
  for (const Row& row : kRows) {
    const NewDateReading r = ReadNewDate(row.month, row.day, row.year, kShown);
    EXPECT_EQ(r.Fault, row.fault) << row.why;
    EXPECT_EQ(r.Message, row.message) << row.why;
    if (!row.fault) {
      EXPECT_EQ(r.ListingDate, DateToJulianDay(row.y, row.m, row.d)) << row.why;
    }
  }
}

}  // namespace
}  // namespace halcyra
