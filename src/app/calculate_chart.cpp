#include "app/calculate_chart.h"

#include <QTimer>

#include "chart_input/chart_command_input.h"
#include "chart_input/input_parse.h"
#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "core/chart_driver.h"
#include "horary/horary_basics_page.h"
#include "platform/gui/busy_pointer.h"
#include "shell/report_output.h"
#include "shell/ui/main_window.h"
#include "shell/ui/messages.h"
#include "state/app_state.h"

namespace halcyra {

namespace {

// The input of the new chart: the stepped moment of a wheel, or the two
// windows. A place that the house system cannot handle puts the old input
// back, so that a refused chart changes nothing.
bool TakeChartInput(AppState& state, const InputReadings& input) {
  const ChartInput before = state.input;
  if (state.chart.ChartReady == 1) {
    TakeStepRecordInput(state);
  } else {
    ParseNatalInput(state, input.natal.When, input.natal.Where);
    ParseTransitInput(state, input.transit.When, input.transit.Where);
  }
  if (ChartPlacesFit(state)) return true;
  state.input = before;
  state.chart.InputError = 1;
  ShowMessage(ChartPlaceTooHighText, ChartPlaceTitle, MessageIcon::Warning);
  return false;
}

}  // namespace

void CalculateChart(AppState& state) {
  const std::optional<InputReadings> input = CheckedInput(state);
  if (!input || !TakeChartInput(state, *input)) return;

  SetBusyPointer(true);
  HideInputWindows();
  SetChartNames(state, InputD().NameText(), InputD1().SecondPersonCaption());
  ComputeChartSets(state);

  if (MainWindow* window = TheMainWindow()) ShowChartMenus(*window);
  HideListingMoreMenu(state);
  HoraryBasicsPage(state);  // the automatic first report
  ShowReport(state);
  SetBusyPointer(false);
  // option 211 keeps nothing of a chart in the data buffer once it is shown
  if (state.options.OptionValues[211] != 0) ClearDataBuffer(state);
  // the RidurIziva timer runs from the first chart to the end of the program
  if (MainWindow* window = TheMainWindow()) window->timer1->start();
}

}  // namespace halcyra
