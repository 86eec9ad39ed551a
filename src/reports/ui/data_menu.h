#pragma once
// The main window's Data menu: report commands that write a page from the
// chart sets as they stand and show it in the Data window.
class QMenu;

namespace halcyra {

// Sets the caption of the F7 item (mnuDataTransitAspectsToTransits):
// "Natal A&spects" while the second-person box is ticked, else
// "A&spects to Transits". The second-person box's click handler calls it.
void SetTransitAspectsToTransitsCaption(bool secondPersonTicked);

// Enables each item whose report sections are present in this build and
// takes the F7 caption from the second-person box; runs whenever the menu
// opens, and may be called after sections have been added.
void RefreshDataMenu();

}  // namespace halcyra
