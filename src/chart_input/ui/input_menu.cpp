// The main window's Input command: back from a chart's results to the data
// entry. It computes nothing; the next chart comes from OK or a name.
#include <QAction>
#include <QApplication>
#include <QMenuBar>

#include "chart_input/input_presets.h"
#include "chart_input/input_reading.h"
#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "chart_input/ui/names_window.h"
#include "shell/local_clock.h"
#include "shell/report_output.h"
#include "shell/ui/data_window.h"
#include "shell/ui/main_window.h"

namespace halcyra {

namespace {

// Closes and destroys a window of another part of the program by its name; a
// window that is not loaded is left alone.
void UnloadTopLevel(const QString& name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() != name) continue;
    widget->close();
    if (!widget->testAttribute(Qt::WA_DeleteOnClose)) widget->deleteLater();
  }
}

void UncheckItem(const char* name) {
  if (MainWindow* main = TheMainWindow())
    if (QAction* item = main->findChild<QAction*>(name)) item->setChecked(false);
}

}  // namespace

void InputDataCommand(AppState& state) {
  ClearDataBuffer(state);
  if (state.chart.ChartName != "Now") state.flags.NamesDirty = 0;
  state.flags.DataFileName.clear();
  UnloadTopLevel("Wheels");
  UnloadTopLevel("AstrLine");
  UncheckItem("mnuRidurIzivaSingle");
  UncheckItem("mnuRidurIzivaDual");
  UnloadDataWindow();
  InputD().show();
  InputD1().show();
  UnloadNames();
  Names().show();
  // One reading of the clock serves every box, so the date and the time
  // cannot straddle midnight; they are written for the zone the zone box
  // holds, which the chart reads them in.
  if (InputD().NameText() == "Now") {
    const DotMinutes zone = ZoneFromText(InputD().BoxTexts().TZ).value_or(HomeZone(state.options));
    InputD().WriteMomentOfNow(ReadClock(state.services), zone);
  }
}

void BuildInputMenu(MainWindow& window) {
  // A command on the menu bar itself, hidden until the first chart.
  QAction* item = window.menuBar()->addAction("&Input");
  item->setObjectName("mnuInputData");
  item->setVisible(false);
  QObject::connect(item, &QAction::triggered, &window, [] { InputDataCommand(App()); });
}

}  // namespace halcyra
