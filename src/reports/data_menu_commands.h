#pragma once
// The page-building steps of the main window's Data menu commands. Each
// writes a fresh report page from the chart sets as they stand; the menu
// item then shows the page (ShowReport).
#include <functional>
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

// The natal longitudes and declinations (with their no-data flags) of every
// point copied into the working set, as Natal Aspects and Mansions leave it.
void CopyNatalIntoWorkingSet(AppState& state);

// The horary pages of the natal (horary) chart.
void NatalMorePage(AppState& state);
void HoraryAspectsPage(AppState& state);
void HoraryAlmutensPage(AppState& state);
void HoraryDecansDwadsPage(AppState& state);
void HoraryOtherDegreesPage(AppState& state);
void ArabianPartsPage(AppState& state);

// Report sections that other parts of the program provide and that are not
// in this build yet. A Data menu item whose sections are all present runs;
// one whose section is missing stays disabled.
struct NotYetAvailableSections {
  using Section = std::function<void(AppState&)>;
  Section WriteTransitInterpretations;  // one day of the dated listing
  Section ListDiurnalHouses;            // the table of houses; shows its own page
  std::function<void()> ShowTransitListingOptions;  // the transit-listing options window
};
NotYetAvailableSections& PendingSections();

// The pages built from those sections; each returns false (and writes
// nothing) when a section it needs is missing.
bool TransitInterpretationsPage(AppState& state);

}  // namespace halcyra
