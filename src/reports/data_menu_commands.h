#pragma once
// The page-building steps of the main window's Data menu commands. Each
// writes a fresh report page from the chart sets as they stand; the menu
// item then shows the page (ShowReport).
#include <string>

#include "state/app_state.h"

namespace halcyra {

// The second-person check box of the transit input window, as the commands read it.
struct SecondPersonBox {
  bool ticked = false;
  std::string caption = "2nd Person";
};

// Caption of the Data menu's F7 item for the box's state.
std::string TransitAspectsToTransitsCaption(bool secondPersonTicked);

void DataSummaryPage(AppState& state);
void NatalDataPage(AppState& state);
void NatalAspectsPage(AppState& state);
void TransitDataPage(AppState& state);  // leaves ChartKind at 0
void TransitAspectsToNatalPage(AppState& state, const SecondPersonBox& box);
void TransitAspectsToTransitsPage(AppState& state, const SecondPersonBox& box);
void FixedStarsPage(AppState& state);

// One day of the dated transit listing on a fresh page.
void TransitInterpretationsPage(AppState& state);

}  // namespace halcyra
