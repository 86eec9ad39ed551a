#pragma once
// The listings behind the Data menu that run with windows of their own:
// the table of houses with its input boxes and the progress of a long listing.
#include "state/app_state.h"

namespace halcyra {

// The table of houses: its two input boxes, the "% Completed" window and
// the page shown in the Data window. An empty, cancelled or non-positive
// answer ends it without writing anything.
void ListDiurnalHouses(AppState& state);

// The progress of a long listing: the bar, and the windows repainted while
// user input waits until the listing is done.
void ReportListingProgress(long done, long total);

// The progress of a listing that can be cancelled: the bar, and every event
// handled, the progress window with its Cancel button being the only
// window that takes input (ShowCancellableStatusDlg). When all is done and
// nothing cancelled the listing, the window goes.
void ReportCancellableListingProgress(long done, long total);

}  // namespace halcyra
