#pragma once
// The planetary-hours window: the day and night hours of the natal input
// window's date and place in a grid, with Send to Output and Quit.
#include <QWidget>

#include "reports/planetary_hours.h"
#include "state/app_state.h"

class QTableWidget;

namespace halcyra {

inline constexpr const char* PlanetaryHoursLatitudeText =
    "Cannot calculate planetary hours. The latitude is too extreme. It must be 66 degrees, 0 "
    "minutes or below.";

class PlanetaryHoursWindow : public QWidget {
  Q_OBJECT
 public:
  PlanetaryHoursWindow(AppState& state, const PlanetaryHoursTable& table, QWidget* parent = nullptr);

  void cmdSendToOutput_Click();  // the table as a report page in the Data window
  void cmdQuit_Click();          // closes this window and the Keywords window

  const PlanetaryHoursTable& Table() const { return table_; }

 private:
  AppState& state_;
  PlanetaryHoursTable table_;
  QTableWidget* grid_ = nullptr;
};

// Refuses a natal latitude north of 66 degrees 00 minutes with
// PlanetaryHoursLatitudeText; otherwise reads the natal input window,
// finds sunrise and sunset (warning for a missing one) and shows the
// window afresh. Returns the window, or nullptr when refused.
PlanetaryHoursWindow* ShowPlanetaryHours(AppState& state);
PlanetaryHoursWindow* ThePlanetaryHoursWindow();  // while loaded

}  // namespace halcyra
