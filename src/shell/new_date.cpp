#include "shell/new_date.h"

#include <algorithm>

#include "core/calendar.h"
#include "platform/number_text.h"
#include "platform/utf8_text.h"
#include "state/chart_input.h"
#include "state/moment.h"

namespace halcyra {

namespace {

constexpr const char* MonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};

// A box's number, the value it was opened with when left empty; nullopt when
// it holds no whole number the date could use.
std::optional<long> BoxValue(const std::string& text, int shown) {
  if (text.find_first_not_of(" \t") == std::string::npos) return shown;
  return WholeBoxNumber(text);
}

// The number as the message names it: the value read, or the text as typed
// when it was too long to read.
std::string Named(const std::optional<long>& value, const std::string& text) {
  return value ? std::to_string(*value) : Latin1ToUtf8(text);
}

}  // namespace

NewDateFields NewDateFieldsOf(double listingDate) {
  // Month/day/year order: "MM/DD/YYYY", the year possibly with a leading blank.
  const std::string text = JulianDayToDateString(listingDate, 0);
  NewDateFields f;
  f.Month = static_cast<int>(ValInt(text.substr(0, 2)));
  f.Day = static_cast<int>(ValInt(text.substr(3, 2)));
  f.Year = static_cast<int>(ValInt(text.substr(6)));
  return f;
}

double ListingDayInRange(double listingDate) {
  return std::clamp(listingDate, DateToJulianDay(FirstTransitYear, 1, 1), DateToJulianDay(LastInputYear, 12, 31));
}

NewDateReading ReadNewDate(const std::string& month, const std::string& day, const std::string& year,
                           const NewDateFields& shown) {
  const std::optional<long> m = BoxValue(month, shown.Month);
  const std::optional<long> d = BoxValue(day, shown.Day);
  const std::optional<long> y = BoxValue(year, shown.Year);
  NewDateReading r;
  // The day's message names the month and year, so they are judged first.
  if (!m || *m < 1 || *m > 12) {
    r.Fault = NewDateBox::Month;
    r.Message = "There is no month " + Named(m, month) + ". Please enter 1 to 12.";
  } else if (!y || *y < FirstTransitYear || *y > LastInputYear) {
    r.Fault = NewDateBox::Year;
    r.Message = "Year " + Named(y, year) + " is out of range. Please enter " +
                std::to_string(FirstTransitYear) + " to " + std::to_string(LastInputYear) + ".";
  } else if (!d || !DateExists(static_cast<int>(*y), static_cast<int>(*m), static_cast<int>(*d))) {
    r.Fault = NewDateBox::Day;
    r.Message = std::string(MonthNames[*m - 1]) + " " + std::to_string(*y) + " has no day " + Named(d, day) +
                ". Please correct the day.";
  } else {
    r.ListingDate = DateToJulianDay(static_cast<int>(*y), static_cast<int>(*m), static_cast<int>(*d));
  }
  return r;
}

}  // namespace halcyra
