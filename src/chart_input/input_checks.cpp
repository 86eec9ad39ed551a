#include "chart_input/input_checks.h"

#include <algorithm>
#include <cmath>

#include "chart_input/dot_minutes.h"
#include "platform/number_text.h"

namespace halcyra {

void InputMessages::Add(const std::string& text, const std::string& title) {
  InputMessage message{text, title};
  if (std::find(list_.begin(), list_.end(), message) == list_.end()) list_.push_back(message);
}

namespace {

bool OutOf(const std::string& box, double low, double high) {
  const double value = Val(box);
  return value < low || value > high;
}

// Whether the place of a degree and a minute box lies beyond a limit in
// whole degrees, read the way the chart reads the boxes (a degree box of
// 179.6 with 30 minutes is 180 degrees 30 minutes). Counted in thousandths
// of a minute, so that limits compare exactly whatever the binary value of
// the minutes.
bool CoordinateBeyond(const std::string& degrees, const std::string& minutes, int limitDegrees) {
  return std::round(CoordinateDegrees(Val(degrees), Val(minutes)) * 60000) > limitDegrees * 60000.0;
}

bool AllBoxesFilled(const InputBoxTexts& b) {
  for (const std::string* box : {&b.Month, &b.Day, &b.Year, &b.Hour, &b.Minute, &b.TZ, &b.LongDeg,
                                 &b.LongMin, &b.LatDeg, &b.LatMin})
    if (!BoxFilled(*box)) return false;
  return true;
}

// The limits both windows share; the year is checked by the caller.
bool RangesHold(const InputBoxTexts& b) {
  if (OutOf(b.Month, 1, 12) || OutOf(b.Day, 1, 31)) return false;
  if (OutOf(b.Hour, 0, 12) || OutOf(b.Minute, 0, 59)) return false;
  if (OutOf(b.TZ, -14, 13)) return false;
  // The hemisphere comes from the option buttons; the boxes hold magnitudes.
  if (OutOf(b.LongDeg, 0, 180) || OutOf(b.LongMin, 0, 59)) return false;
  if (OutOf(b.LatDeg, 0, 90) || OutOf(b.LatMin, 0, 59)) return false;
  if (CoordinateBeyond(b.LongDeg, b.LongMin, 180)) return false;
  if (CoordinateBeyond(b.LatDeg, b.LatMin, 90)) return false;
  return true;
}

}  // namespace

bool BoxFilled(const std::string& text) {
  return text.find_first_not_of(" \t") != std::string::npos;
}

bool NatalBoxesAcceptable(const InputBoxTexts& natal) {
  return AllBoxesFilled(natal) && RangesHold(natal) && !OutOf(natal.Year, FirstNatalYear, LastInputYear);
}

void ShowNatalInputError(AppState& state, InputMessages& messages) {
  state.chart.InputError = 1;
  messages.Add(NatalInputErrorText, InputWarningTitle);
}

void ShowTransitInputError(AppState& state, InputMessages& messages) {
  state.chart.InputError = 1;
  messages.Add(TransitInputErrorText, InputWarningTitle);
}

void ValidateInputNotBlank(AppState& state, const InputBoxTexts& natal, const InputBoxTexts& transit,
                           InputMessages& messages) {
  if (!AllBoxesFilled(natal)) ShowNatalInputError(state, messages);
  if (!AllBoxesFilled(transit)) ShowTransitInputError(state, messages);
}

void CheckHighLatitude(AppState& state, const InputBoxTexts& natal, const InputBoxTexts& transit,
                       InputMessages& messages) {
  const std::string& system = state.options.HouseSystem;
  if (system == "M" || system == "I") return;
  if (CoordinateBeyond(natal.LatDeg, natal.LatMin, 66) || CoordinateBeyond(transit.LatDeg, transit.LatMin, 66)) {
    state.chart.InputError = 1;
    messages.Add(HighLatitudeText, InputWarningTitle);
  }
}

void ValidateNatalRanges(AppState& state, const InputBoxTexts& natal, InputMessages& messages) {
  if (!RangesHold(natal) || OutOf(natal.Year, FirstNatalYear, LastInputYear)) ShowNatalInputError(state, messages);
}

void ValidateTransitRanges(AppState& state, const InputBoxTexts& transit, InputMessages& messages) {
  if (!RangesHold(transit) || OutOf(transit.Year, FirstTransitYear, LastInputYear))
    ShowTransitInputError(state, messages);
}

bool RunInputChecks(AppState& state, const InputBoxTexts& natal, const InputBoxTexts& transit,
                    InputMessages& messages) {
  state.chart.InputError = 0;
  ValidateInputNotBlank(state, natal, transit, messages);
  CheckHighLatitude(state, natal, transit, messages);
  ValidateNatalRanges(state, natal, messages);
  ValidateTransitRanges(state, transit, messages);
  return state.chart.InputError == 0;
}

}  // namespace halcyra
