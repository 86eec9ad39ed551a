#include "mansions/mansions_page.h"

#include "horary/horary_basics_page.h"
#include "mansions/mansions_report.h"
#include "reports/data_menu_commands.h"
#include "reports/report_headers.h"
#include "shell/report_output.h"

namespace halcyra {

void MansionsPage(AppState& state) {
  StartNewPage(state);
  WriteNatalDataHeader(state);
  CopyNatalIntoWorkingSet(state);
  const ChartSet natal = NatalChartSet(state.chart);
  const MansionEntries entries =
      CalcMoonMansionTimes(state.input.TransitYear, state.input.TransitMonth, ProgramMoonLongitude);
  ReportBufferSink sink(state);
  WriteMansionsReport(sink, HoraryBasicsInputOf(state, natal), entries);
}

}  // namespace halcyra
