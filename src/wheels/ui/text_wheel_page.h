#pragma once
// The wheel window's ASCII command: the text chart wheel page, written
// under the hourglass and shown in the Data window.
#include "state/app_state.h"

namespace halcyra {

void ShowTextChartWheel(AppState& state);

}  // namespace halcyra
