#pragma once
// The fixed number and date formats of the report lines.
#include <string>
#include <string_view>

namespace halcyra {

// A number in a digit pattern such as "00", "000", "#0.00" or "##0.00":
// each '0' before the point is a digit always shown (leading zeros fill),
// '#' a digit shown only when needed, and the places after the point fix the
// decimals. Rounding is half away from zero on the number's 15 significant
// digits, so 2.675 shows as "2.68". A result that rounds to zero has no sign.
std::string FormatNumber(double value, std::string_view pattern);

// "dd mmm yyyy": "05 Mar 1990". Months outside 1..12 give "???".
std::string FormatDateDdMmmYyyy(int day, int month, int year);

}  // namespace halcyra
