#pragma once
// An input window's boxes read once into the chart's moment and place. Each
// box must hold a number of its own kind within its range (whole numbers,
// the zone as hours.minutes), and the date must be a day of the calendar.
#include <optional>

#include "chart_input/input_boxes.h"
#include "platform/number_text.h"  // WholeBoxNumber, the reader of every box
#include "state/moment.h"
#include "state/place.h"

namespace halcyra {

struct WindowReading {
  Moment When;  // the date, clock time and zone; complete only when no box is at fault
  Place Where;
  std::optional<EntryBox> Blank;  // the first box that holds nothing but blanks
  std::optional<EntryBox> Fault;  // the first box the window refuses, a blank one included
  // The latitude's magnitude in minutes whenever its two boxes hold whole
  // numbers, within their ranges or not.
  std::optional<long> LatitudeMinutes;
  bool Accepted() const { return !Fault; }
};

// The boxes of a window that takes years from `firstYear` to LastInputYear.
// An hour box of 0 reads as 12, as the box itself shows it.
WindowReading ReadWindowBoxes(const InputBoxTexts& boxes, int firstYear);

// The texts the boxes show for a moment and a place: numbers without leading
// zeros, the hour 1 to 12 with the P.M. choice, the zone as hours.minutes.
MomentTexts MomentBoxTexts(const Moment& moment);
PlaceTexts PlaceBoxTexts(const DotMinutes& zone, const Place& place);
InputBoxTexts BoxTextsOf(const Moment& moment, const Place& place);

}  // namespace halcyra
