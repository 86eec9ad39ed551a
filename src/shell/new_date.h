#pragma once
// The new-date window's conversions between the listing's day number and the
// month, day and year boxes.
#include <string>

namespace halcyra {

struct NewDateFields {
  int Month = 0, Day = 0, Year = 0;
};

// The calendar date (Gregorian) of a listing day number.
NewDateFields NewDateFieldsOf(double listingDate);

// The day number of the typed month, day and year. Days and months outside
// the calendar count on into the following months. A box left empty keeps
// the value it was opened with (`shown`).
double ListingDateOf(const std::string& month, const std::string& day, const std::string& year,
                     const NewDateFields& shown);

}  // namespace halcyra
