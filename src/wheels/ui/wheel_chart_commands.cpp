#include "wheels/ui/wheel_chart_commands.h"

#include "chart_input/input_checks.h"
#include "chart_input/input_presets.h"
#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "platform/gui/busy_pointer.h"
#include "shell/report_output.h"
#include "shell/ui/messages.h"
#include "wheels/ui/ridur_iziva_menu.h"
#include "wheels/ui/wheels_window.h"
#include "wheels/wheel_commands.h"

namespace halcyra {

namespace {

// The chart command lives above the wheels, with the program's start-up.
void CalculateChart(AppState& state) {
  if (state.services.CalculateChart) state.services.CalculateChart(state);
}

// The kind of wheel whose input window a step record comes from.
int StepKindOf(const AppState& state) { return state.flags.WheelKind == 2 ? 2 : 1; }

// Fills the record when no chart has been stepped since the last fresh
// chart, or when it holds the other window's moment.
bool StepRecordReady(AppState& state) {
  if (state.chart.ChartReady == 1 && state.step.FilledFor == StepKindOf(state)) return true;
  return ReadChartInputFieldsFromWindows(state);
}

void ShowRefusedStep(AppState& state, StepResult result) {
  if (result == StepResult::BeyondYears) {
    ShowMessage(StepBeyondYearsText(StepYearRange(state.step.FilledFor)), StepBeyondYearsTitle);
    return;
  }
  // The boxes were changed past the checks since the record was filled:
  // the next step reads them again.
  state.chart.ChartReady = 0;
  ShowMessage(state.step.FilledFor == 2 ? TransitInputErrorText : NatalInputErrorText, InputWarningTitle);
}

}  // namespace

std::string StepBeyondYearsText(YearRange years) {
  return "The chart cannot be stepped beyond the years " + std::to_string(years.first) + " to " +
         std::to_string(years.last) + ".";
}

void StepWheelMoment(AppState& state, TimeStep step) {
  if (!StepRecordReady(state)) return;
  StopRidurIziva();
  const StepResult result = StepMoment(state.step, step, StepYearRange(state.step.FilledFor));
  if (result != StepResult::Moved) {
    ShowRefusedStep(state, result);
    return;
  }
  SetBusyPointer(true);
  RefreshWheelAfterTimeStep(state);
  SetBusyPointer(false);
}

void RefreshWheelAfterTimeStep(AppState& state) {
  CalculateChart(state);
  if (state.flags.WheelKind == 2)
    SetupNatalTransitDualWheel(state, InputD1().SecondPerson());
  else
    PrepareNatalWheel(state);
  ShowChartWheel(state);
}

void ChooseHouseSystem(AppState& state, const std::string& code) {
  state.options.HouseSystem = code;
  ResetAndRecalculateChart(state);
}

void ResetAndRecalculateChart(AppState& state) {
  UnloadWheels();
  // closes the VoruvEdud and Data windows, stops the RidurIziva, reopens
  // the input windows and the names list
  InputDataCommand(state);
  UnloadTimeZone();
  ClearReportBuffers(state);
  CalculateChart(state);
}

void ShowChartOfTheMoment(AppState& state, RidurIzivaMode mode, const ClockMoment& now) {
  if (mode == RidurIzivaMode::Off) return;
  SetBusyPointer(true);
  ChartInputWindow& window = mode == RidurIzivaMode::Single ? static_cast<ChartInputWindow&>(InputD())
                                                            : static_cast<ChartInputWindow&>(InputD1());
  // the moment written for the home zone written beside it
  window.WriteMomentOfNow(now, HomeZone(state.options));
  window.WritePlace(HomePlaceTexts(state.options));
  UnloadTimeZone();
  ClearReportBuffers(state);
  CalculateChart(state);
  if (mode == RidurIzivaMode::Single)
    PrepareNatalWheel(state);
  else
    SetupNatalTransitDualWheel(state, InputD1().SecondPerson());
  ShowChartWheel(state);
  SetBusyPointer(false);
}

}  // namespace halcyra
