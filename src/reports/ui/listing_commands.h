#pragma once
// The listings behind the Data menu and the Data window's More menu: the
// dated transit listing, the table of houses and the transit-listing
// options window, installed as the sections those menus run.
#include "state/app_state.h"

namespace halcyra {

// Installs the sections; run before the main window builds its Data menu.
void InstallListingCommands();

// The table of houses: its two input boxes, the "% Completed" window and
// the page shown in the Data window. An empty, cancelled or non-positive
// answer ends it without writing anything.
void ListDiurnalHouses(AppState& state);

// The progress of a long listing: the bar, and the windows repainted while
// user input waits until the listing is done.
void ReportListingProgress(long done, long total);

}  // namespace halcyra
