#include "chart_input/input_parse.h"

namespace halcyra {

std::string DateTextInOrder(int month, int day, int year, int dateFormat) {
  const std::string m = std::to_string(month), d = std::to_string(day), y = std::to_string(year);
  switch (dateFormat) {
    case 1: return d + "/" + m + "/" + y;
    case 2: return y + "/" + m + "/" + d;
    default: return m + "/" + d + "/" + y;
  }
}

int LastBirthdayYear(int natalMonth, int natalDay, int transitMonth, int transitDay, int transitYear) {
  const bool birthdayReached =
      transitMonth > natalMonth || (transitMonth == natalMonth && transitDay >= natalDay);
  return birthdayReached ? transitYear : transitYear - 1;
}

void ParseNatalInput(AppState& state, const Moment& moment, const Place& place) {
  ChartInput& in = state.input;
  in.Natal = moment;
  in.NatalPlace = place;
  in.NatalDateText = DateTextInOrder(moment.Month, moment.Day, moment.Year, state.flags.DateFormat);
  in.NatalAmPmCaption = moment.AmPmText();
}

void ParseTransitInput(AppState& state, const Moment& moment, const Place& place) {
  ChartInput& in = state.input;
  in.Transit = moment;
  in.TransitPlace = place;
  in.TransitDateText = DateTextInOrder(moment.Month, moment.Day, moment.Year, state.flags.DateFormat);
  in.LastBirthdayYear = LastBirthdayYear(in.Natal.Month, in.Natal.Day, moment.Month, moment.Day, moment.Year);
}

bool ReadChartInputFields(AppState& state, const InputReadings& input, InputMessages& messages) {
  state.chart.InputError = 0;
  const bool dual = state.flags.WheelKind == 2;
  ValidateInputNotBlank(state, input, messages);
  // a record the steps work on holds only what the checks accept
  if (dual)
    ValidateTransitRanges(state, input, messages);
  else
    ValidateNatalRanges(state, input, messages);
  if (state.chart.InputError != 0) {
    state.chart.ChartReady = 0;
    return false;
  }
  const WindowReading& from = dual ? input.transit : input.natal;
  state.step.When = from.When;
  state.step.Where = from.Where;
  state.step.FilledFor = dual ? 2 : 1;
  state.chart.ChartReady = 1;
  return true;
}

}  // namespace halcyra
