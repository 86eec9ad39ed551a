#pragma once
// The report output channel: every report builds OutLine and appends it to
// the current page and the data buffer through these.
#include "state/app_state.h"

namespace halcyra {

void WriteOutLine(AppState& state);    // appends OutLine to both lists and empties it
void WriteBlankLine(AppState& state);  // appends an empty line to both lists
void StartNewPage(AppState& state);    // empties the page; ends a dated listing
void ClearDataBuffer(AppState& state);
void ClearReportBuffers(AppState& state);

}  // namespace halcyra
