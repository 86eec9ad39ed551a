#include "chart_input/input_checks.h"

#include <algorithm>

namespace halcyra {

void InputMessages::Add(const std::string& text, const std::string& title, BoxAtFault box) {
  const InputMessage message{text, title};
  if (std::find(list_.begin(), list_.end(), message) == list_.end()) list_.push_back(message);
  if (!focus_) focus_ = box;
}

namespace {

constexpr int NatalWindow = 0, TransitWindow = 1;

// 66 degrees 00 minutes, counted in whole minutes as the boxes hold them.
bool LatitudeHigh(const WindowReading& reading) {
  return reading.LatitudeMinutes && *reading.LatitudeMinutes > 66 * 60;
}

}  // namespace

bool BoxFilled(const std::string& text) {
  return text.find_first_not_of(" \t") != std::string::npos;
}

InputReadings ReadInputWindows(const InputBoxTexts& natal, const InputBoxTexts& transit) {
  return {ReadWindowBoxes(natal, FirstNatalYear), ReadWindowBoxes(transit, FirstTransitYear)};
}

void ShowNatalInputError(AppState& state, InputMessages& messages, EntryBox box) {
  state.chart.InputError = 1;
  messages.Add(NatalInputErrorText, InputWarningTitle, {NatalWindow, box});
}

void ShowTransitInputError(AppState& state, InputMessages& messages, EntryBox box) {
  state.chart.InputError = 1;
  messages.Add(TransitInputErrorText, InputWarningTitle, {TransitWindow, box});
}

void ValidateInputNotBlank(AppState& state, const InputReadings& input, InputMessages& messages) {
  if (input.natal.Blank) ShowNatalInputError(state, messages, *input.natal.Blank);
  if (input.transit.Blank) ShowTransitInputError(state, messages, *input.transit.Blank);
}

void CheckHighLatitude(AppState& state, const InputReadings& input, InputMessages& messages) {
  const std::string& system = state.options.HouseSystem;
  if (system == "M" || system == "I") return;
  const bool natalHigh = LatitudeHigh(input.natal), transitHigh = LatitudeHigh(input.transit);
  if (!natalHigh && !transitHigh) return;
  state.chart.InputError = 1;
  messages.Add(HighLatitudeText, InputWarningTitle, {natalHigh ? NatalWindow : TransitWindow, EntryBox::LatDeg});
}

void ValidateNatalRanges(AppState& state, const InputReadings& input, InputMessages& messages) {
  if (input.natal.Fault) ShowNatalInputError(state, messages, *input.natal.Fault);
}

void ValidateTransitRanges(AppState& state, const InputReadings& input, InputMessages& messages) {
  if (input.transit.Fault) ShowTransitInputError(state, messages, *input.transit.Fault);
}

bool RunInputChecks(AppState& state, const InputReadings& input, InputMessages& messages) {
  state.chart.InputError = 0;
  ValidateInputNotBlank(state, input, messages);
  CheckHighLatitude(state, input, messages);
  ValidateNatalRanges(state, input, messages);
  ValidateTransitRanges(state, input, messages);
  return state.chart.InputError == 0;
}

bool RunInputChecks(AppState& state, const InputBoxTexts& natal, const InputBoxTexts& transit,
                    InputMessages& messages) {
  return RunInputChecks(state, ReadInputWindows(natal, transit), messages);
}

}  // namespace halcyra
