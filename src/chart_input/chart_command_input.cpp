#include "chart_input/chart_command_input.h"

#include "chart_input/input_parse.h"

namespace halcyra {

void TakeStepRecordInput(AppState& state) {
  const StepRecord& step = state.step;
  ChartInput& in = state.input;
  // into the chart of the window that filled the record, whichever wheel shows now
  if (step.FilledFor == 2) {
    ParseTransitInput(state, step.When, step.Where);
    in.NatalAmPmCaption = step.When.AmPmText();
  } else {
    ParseNatalInput(state, step.When, step.Where);
    // the year of the last birthday follows the stepped date, so the age and
    // the default solar-return year stay true to it
    in.LastBirthdayYear =
        LastBirthdayYear(in.Natal.Month, in.Natal.Day, in.Transit.Month, in.Transit.Day, in.Transit.Year);
  }
}

void SetChartNames(AppState& state, const std::string& nameText, const std::string& secondPersonCaption) {
  state.chart.ChartName = nameText;
  state.chart.TransitChartName = secondPersonCaption.compare(0, 3, "2nd") == 0 ? "Transits" : secondPersonCaption;
}

}  // namespace halcyra
