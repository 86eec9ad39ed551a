#pragma once
// What the input windows write into their own boxes: the present moment
// (read by shell/local_clock.h), the home place of the options, and the
// hour box's 12-hour rule.
#include <string>

#include "chart_input/input_boxes.h"
#include "state/app_services.h"
#include "state/moment.h"
#include "state/option_tables.h"

namespace halcyra {

// The date and clock time that, read in `zone` (hours west of Greenwich, as
// the chart reads a zone box), are the universal moment of the clock
// reading, whatever zone and summer time the computer keeps. Seconds are
// dropped, as the boxes hold whole minutes.
Moment MomentOfNow(const ClockMoment& now, const DotMinutes& zone);

// The date and clock time that, read in `zone`, give the same universal
// moment as `moment` read in its own zone, to the minute: what a window
// holding the present moment shows when its zone changes, so that its chart
// stays at that moment.
Moment MomentInZone(const Moment& moment, const DotMinutes& zone);

// The home zone of option 18, as the zone box takes it.
DotMinutes HomeZone(const OptionTables& options);

// The zone and place boxes for the home place of options 18 to 24 (zone,
// longitude degrees and minutes, 0 west or else east, latitude degrees and
// minutes, 0 north or else south).
PlaceTexts HomePlaceTexts(const OptionTables& options);

inline constexpr const char* EmptyHourText = "Please fill in a value for birth hour.";

// What the hour box does with a new text: an empty box warns, 0 becomes
// "12", and an hour of the 24-hour clock above 12 (13 to 23) becomes the
// hour less 12 with P.M. chosen. Anything else stays for the checks to judge.
struct HourBoxChange {
  bool Empty = false;
  bool ChoosePM = false;
  bool Rewrite = false;
  std::string Text;  // the text to write when Rewrite is set
};
HourBoxChange ApplyHourBoxRule(const std::string& text);

}  // namespace halcyra
