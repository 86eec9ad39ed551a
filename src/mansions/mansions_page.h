#pragma once
// The Moon-mansions report from the program's state: the page of
// Data > Mansions.
#include "state/app_state.h"

namespace halcyra {

// A new page with the chart header and the report of the natal chart, its
// mansion table for the month of the second chart; the working set is left
// holding the natal chart. The caller shows the page.
void MansionsPage(AppState& state);

}  // namespace halcyra
