#pragma once
// The input the chart command takes besides the texts of the two input
// windows: a chart-wheel time step's moment and place, and the chart names.
#include <string>

#include "state/app_state.h"

namespace halcyra {

// A chart-wheel time step: the StepRecord's moment and place become the
// transit input when the record was filled for a dual wheel, else the natal
// input; of the other chart only NatalAmPmCaption changes.
void TakeStepRecordInput(AppState& state);

// ChartName from the natal window's name box; TransitChartName "Transits"
// while the second-person box's caption begins with "2nd", else the caption.
void SetChartNames(AppState& state, const std::string& nameText, const std::string& secondPersonCaption);

}  // namespace halcyra
