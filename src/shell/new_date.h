#pragma once
// The new-date window's conversions between the listing's day number and the
// month, day and year boxes.
#include <optional>
#include <string>

namespace halcyra {

struct NewDateFields {
  int Month = 0, Day = 0, Year = 0;
};

// The calendar date of a listing day number (CivilDateOf).
NewDateFields NewDateFieldsOf(double listingDate);

// The listing day held within the days New Date takes, 1 January of
// FirstTransitYear to 31 December of LastInputYear: a day outside becomes
// the nearer end, so that Backward from the first day, Forward from the
// last and New Date's offer never reach a date New Date would refuse.
double ListingDayInRange(double listingDate);

enum class NewDateBox { Month, Day, Year };

// The typed date as a listing day number, or the box at fault with a message
// that names the problem.
struct NewDateReading {
  double ListingDate = 0;  // when no box is at fault
  std::optional<NewDateBox> Fault;
  std::string Message;
};

inline constexpr const char* NewDateWarningTitle = "Warning!";

// Reads the boxes as the transit input window reads its date: a whole
// number in each, month 1 to 12, year FirstTransitYear to LastInputYear, and
// a day the month of that year has. A box left empty keeps the value it was
// opened with (`shown`).
NewDateReading ReadNewDate(const std::string& month, const std::string& day, const std::string& year,
                           const NewDateFields& shown);

}  // namespace halcyra
