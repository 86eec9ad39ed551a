#pragma once
// What the input windows write into their own boxes: the current moment
// (read by shell/local_clock.h), the home place of the options, and the
// hour box's 12-hour rule.
#include <string>

#include "chart_input/input_boxes.h"
#include "state/app_services.h"
#include "state/option_tables.h"

namespace halcyra {

// The date and time boxes for a moment: numbers without leading zeros, the
// hour 0 to 23; P.M. from noon on, decided by the hour itself rather than by
// a locale's A.M./P.M. marker.
MomentTexts MomentBoxTexts(const ClockMoment& moment);

// The zone and place boxes for the home place of options 18 to 24 (zone,
// longitude degrees and minutes, 0 west or else east, latitude degrees and
// minutes, 0 north or else south).
PlaceTexts HomePlaceTexts(const OptionTables& options);

inline constexpr const char* EmptyHourText = "Please fill in a value for birth hour.";

// What the hour box does with a new text: an empty box warns, 0 becomes
// "12", and a value above 12 becomes the value less 12 with P.M. chosen.
struct HourBoxChange {
  bool Empty = false;
  bool ChoosePM = false;
  bool Rewrite = false;
  std::string Text;  // the text to write when Rewrite is set
};
HourBoxChange ApplyHourBoxRule(const std::string& text);

}  // namespace halcyra
