#include "mansions/mansions_page.h"

#include "horary/horary_basics_page.h"
#include "mansions/mansions_report.h"
#include "reports/report_headers.h"
#include "shell/report_output.h"

namespace halcyra {

void MansionsPage(AppState& state) {
  StartReportWithChartHeader(state);
  // the natal positions in the working set, as Natal Aspects leaves them
  LoadPointPositions(state.chart.Working, state.chart.Natal);
  const MansionEntries entries =
      CalcMoonMansionTimes(state.input.Transit.Year, state.input.Transit.Month, ProgramMoonLongitude);
  ReportBufferSink sink(state);
  WriteMansionsReport(sink, HoraryBasicsInputOf(state, state.chart.Natal), entries);
}

}  // namespace halcyra
