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

ChartSet NatalChartSet(const ChartState& chart) {
  const NatalSet& n = chart.natal;
  ChartSet set;
  set.Long = n.NatalLong;
  set.Decl = n.NatalDecl;
  set.Speed = n.PlanetSpeed;
  set.Cusp = n.NatalCusp;
  set.RetroFlags = n.NatalRetroFlags;
  set.HouseTags = n.NatalHouseTags;
  set.NoData = n.NatalNoData;
  set.MoonDeclNextDay = n.MoonDeclWork;
  return set;
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
