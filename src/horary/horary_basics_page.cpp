#include "horary/horary_basics_page.h"

#include "horary/horary_basics_report.h"
#include "reports/report_headers.h"
#include "shell/report_output.h"

namespace halcyra {

SunriseSunset ProgramSunTimes(double hoursJulianDay, const HoursPlace& place) {
  const SunriseSunset times = FindSunriseSunset(hoursJulianDay, place);
  WarnMissingSunTimes(times);
  return times;
}

void WriteHoraryBasicsSections(AppState& state) {
  const ChartSet natal = NatalChartSet(state.chart);
  const ChartMoments& m = state.chart.moments;
  const HoraryBasicsInput input{natal,
                                state.options,
                                QuestionMomentOf(state.input),
                                {m.Precession1990, m.Precession2000},
                                state.chart.natal.MoonDeclWork,
                                ProgramSunTimes};
  ReportBufferSink sink(state);
  WriteHoraryBasicsReport(sink, input);
}

void HoraryBasicsPage(AppState& state) {
  StartNewPage(state);
  WriteNatalDataHeader(state);
  WriteHoraryBasicsSections(state);
}

}  // namespace halcyra
