#include "wheels/ui/text_wheel_page.h"

#include "platform/gui/busy_pointer.h"
#include "shell/report_output.h"
#include "wheels/text_wheel.h"

namespace halcyra {

void ShowTextChartWheel(AppState& state) {
  SetBusyPointer(true);
  TextChartWheelPage(state);
  ShowReport(state);
  SetBusyPointer(false);
}

}  // namespace halcyra
