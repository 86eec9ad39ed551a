#include "horary/horary_basics_page.h"

#include "reports/report_headers.h"
#include "shell/report_output.h"

namespace halcyra {

SunTimesSource ProgramSunTimes(AppState& state) {
  return [&state](double hoursJulianDay, const HoursPlace& place) {
    const SunriseSunset times = FindSunriseSunset(hoursJulianDay, place);
    WarnMissingSunTimes(state, times);
    return times;
  };
}

HoraryBasicsInput HoraryBasicsInputOf(AppState& state, const ChartSet& natal) {
  const ChartMoments& m = state.chart.moments;
  return {natal,
          state.options,
          QuestionMomentOf(state.input),
          {m.Precession1990, m.Precession2000},
          state.chart.MoonDeclWork,
          ProgramSunTimes(state)};
}

void WriteHoraryBasicsSections(AppState& state) {
  ReportBufferSink sink(state);
  WriteHoraryBasicsReport(sink, HoraryBasicsInputOf(state, state.chart.Natal));
}

void HoraryBasicsPage(AppState& state) {
  StartReportWithChartHeader(state);
  WriteHoraryBasicsSections(state);
}

}  // namespace halcyra
