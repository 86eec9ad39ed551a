#pragma once
// The checks that keep chart input inside the ranges the chart computation
// can handle. Each failure sets InputError and adds its message with the box
// at fault; the window layer shows the messages and puts the focus there.
#include "chart_input/input_boxes.h"
#include "chart_input/input_reading.h"
#include "state/app_state.h"

namespace halcyra {

inline constexpr const char* NatalInputErrorText = "Error in natal input data section. Please correct.";
inline constexpr const char* TransitInputErrorText = "Error in transit input data section. Please correct.";
inline constexpr const char* HighLatitudeText =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house systems.";
inline constexpr const char* InputWarningTitle = "Warning!";

// True when the box holds something other than blanks; 0 is a value.
bool BoxFilled(const std::string& text);

// Both windows read once: the natal window takes years from FirstNatalYear,
// the transit window from FirstTransitYear.
struct InputReadings {
  WindowReading natal, transit;
};
InputReadings ReadInputWindows(const InputBoxTexts& natal, const InputBoxTexts& transit);

// Every date, hour, minute, zone, longitude and latitude box of both windows
// must be filled.
void ValidateInputNotBlank(AppState& state, const InputReadings& input, InputMessages& messages);

// Latitudes beyond 66 degrees 00 minutes, unless the house system is
// Meridian ("M") or Morinus ("I"), which have no such limit.
void CheckHighLatitude(AppState& state, const InputReadings& input, InputMessages& messages);

// Month 1 to 12, a day of that month, year FirstNatalYear to LastInputYear,
// hour 0 to 12, minute 0 to 59, zone -14 to 13 hours, longitude up to 180
// degrees, latitude up to 90 degrees, coordinate minutes 0 to 59; each box a
// number of its kind.
void ValidateNatalRanges(AppState& state, const InputReadings& input, InputMessages& messages);

// The same limits with the transit year from FirstTransitYear.
void ValidateTransitRanges(AppState& state, const InputReadings& input, InputMessages& messages);

// Set InputError and add the window's error message, the focus going to `box`.
void ShowNatalInputError(AppState& state, InputMessages& messages, EntryBox box);
void ShowTransitInputError(AppState& state, InputMessages& messages, EntryBox box);

// Clears InputError and runs the four checks in their order; true when the
// input passed every check.
bool RunInputChecks(AppState& state, const InputReadings& input, InputMessages& messages);
bool RunInputChecks(AppState& state, const InputBoxTexts& natal, const InputBoxTexts& transit,
                    InputMessages& messages);

}  // namespace halcyra
