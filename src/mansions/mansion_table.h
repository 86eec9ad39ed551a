#pragma once
// The table of the Moon's entries into the 28 mansions that ends the
// mansions report.
#include <string>

#include "mansions/mansion_times.h"
#include "state/line_sink.h"

namespace halcyra {

inline constexpr const char* MansionTableHeading =
    "  Moon Mansions    Date and Time (time in 24 hr notation - GMT)";

// "14 Mar 2024 at 06:12": the civil date and the time on the 24-hour clock
// of a Julian date, universal time. Both come from the moment rounded to the
// minute, so a moment half a minute before midnight reads 00:00 of the next
// day.
std::string MansionEntryText(double julianDate);

// "   1.  00 ARI 00   14 Mar 2024 at 06:12     10 Apr 2024 at 13:40": two
// blanks, mansion k + 1's number right-aligned in two, a point and two
// blanks, its start (k times 360/28) as degree, sign and minutes, then each
// entry, the first after three blanks and the second after five. A mansion
// the Moon does not enter within the month shows no date.
std::string MansionLine(int k, const MansionEntry& entry);

// The heading and the 28 lines.
void WriteMansionTable(LineSink& sink, const MansionEntries& entries);

}  // namespace halcyra
