#include "shell/new_date.h"

#include "core/calendar.h"
#include "platform/number_text.h"

namespace halcyra {

NewDateFields NewDateFieldsOf(double listingDate) {
  // Month/day/year order: "MM/DD/YYYY", the year possibly with a leading blank.
  const std::string text = JulianDayToDateString(listingDate, 0);
  NewDateFields f;
  f.Month = static_cast<int>(ValInt(text.substr(0, 2)));
  f.Day = static_cast<int>(ValInt(text.substr(3, 2)));
  f.Year = static_cast<int>(ValInt(text.substr(6)));
  return f;
}

double ListingDateOf(const std::string& month, const std::string& day, const std::string& year,
                     const NewDateFields& shown) {
  auto field = [](const std::string& text, int fallback) {
    return text.empty() ? fallback : static_cast<int>(ValInt(text));
  };
  return DateToJulianDay(field(year, shown.Year), field(month, shown.Month),
                         field(day, shown.Day));
}

}  // namespace halcyra
