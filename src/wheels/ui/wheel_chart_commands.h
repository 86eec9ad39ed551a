#pragma once
// The commands that compute the chart afresh and show it on the wheel: the
// wheel window's time steps and house systems, and the RidurIziva's chart
// of the moment. They are the only wheel code that runs the chart command.
#include <string>

#include "chart_input/input_presets.h"
#include "shell/ridur_iziva.h"
#include "state/app_state.h"
#include "wheels/time_steps.h"

namespace halcyra {

// One time step of the Update menu: the step record is filled from the
// input window of the wheel shown (again whenever the kind of wheel has
// changed since it was filled), the RidurIziva stopped, the moment stepped
// and the chart computed and shown again. A blank box or a refused step
// shows its message and changes nothing.
void StepWheelMoment(AppState& state, TimeStep step);

// The chart computed from the step record (or the input windows) and shown
// again: a dual wheel as the natal chart with its transits (or the second
// person), any single wheel as the natal wheel.
void RefreshWheelAfterTimeStep(AppState& state);

// A house system of the wheel window: the chart worked out again in it, as
// the Input command followed by a new chart, with its automatic report.
void ChooseHouseSystem(AppState& state, const std::string& code);
void ResetAndRecalculateChart(AppState& state);

// The RidurIziva's firing: the moment `now` and the home place into the
// natal window (single) or the transit window (dual), the report buffers
// emptied, the chart computed and its wheel shown.
void ShowChartOfTheMoment(AppState& state, RidurIzivaMode mode, const ClockMoment& now);

inline constexpr const char* StepBeyondYearsTitle = "Warning!";
// A step that would leave the years the input accepts.
std::string StepBeyondYearsText(YearRange years);

}  // namespace halcyra
