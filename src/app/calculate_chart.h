#pragma once
// The chart command behind the input windows' OK, a double-clicked name,
// the RidurIziva, a wheel time step and the wheel's house-system command.

namespace halcyra {

struct AppState;

// Checks both input windows (stopping with their messages, nothing changed,
// when a check fails), takes the input from the windows or, when ChartReady
// is 1, from the StepRecord, hides the input windows and lists, computes
// every chart set, makes the chart menus visible and hides the Data
// window's More menu, writes and shows the automatic first report, applies
// option 211 and switches the RidurIziva timer on.
void CalculateChart(AppState& state);

}  // namespace halcyra
