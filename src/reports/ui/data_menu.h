#pragma once
// The main window's Data menu: report commands that write a page from the
// chart sets as they stand and show it in the Data window.
namespace halcyra {

class MainWindow;

// Adds the Data menu to the main window's menu bar, hidden until the first chart.
void BuildDataMenu(MainWindow& window);

// Sets the caption of the F7 item (mnuDataTransitAspectsToTransits):
// "Natal A&spects" while the second-person box is ticked, else
// "A&spects to Transits". A click on the second-person box runs it through
// the services (SecondPersonTicked).
void SetTransitAspectsToTransitsCaption(bool secondPersonTicked);

// Takes the F7 caption from the second-person box; runs whenever the menu opens.
void RefreshDataMenu();

}  // namespace halcyra
