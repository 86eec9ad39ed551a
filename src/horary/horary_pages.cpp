#include "horary/horary_pages.h"

#include "horary/almutens.h"
#include "horary/arabian_parts.h"
#include "horary/decans_dwads.h"
#include "horary/degree_tables.h"
#include "horary/horary_aspects.h"
#include "horary/natal_emphasis.h"
#include "horary/solstice_points.h"
#include "reports/report_headers.h"
#include "shell/report_output.h"

namespace halcyra {

namespace {

// A page of the natal chart: the chart header, then the sections.
template <typename Sections>
void NatalChartPage(AppState& state, Sections sections) {
  StartReportWithChartHeader(state);
  ReportBufferSink out(state);
  sections(out, state.chart.Natal);
}

}  // namespace

void NatalMorePage(AppState& state) { NatalChartPage(state, WriteSignHouseEmphasis); }

void HoraryAspectsPage(AppState& state) {
  NatalChartPage(state, [&](LineSink& out, const ChartSet& natal) {
    WriteHoraryChartAspects(out, natal, state.options);
  });
}

void HoraryAlmutensPage(AppState& state) {
  NatalChartPage(state, [&](LineSink& out, const ChartSet& natal) {
    WriteAlmutensDispositors(out, natal, state.chart.IsNightChart != 0, state.tables);
    out.WriteBlankLine();
    WriteSolsticePoints(out, natal);
  });
}

void HoraryDecansDwadsPage(AppState& state) { NatalChartPage(state, WriteDecansDwads); }

void HoraryOtherDegreesPage(AppState& state) { NatalChartPage(state, WriteDegreeQualities); }

void ArabianPartsPage(AppState& state) {
  NatalChartPage(state, [&](LineSink& out, const ChartSet& natal) {
    WriteArabianParts(out, natal, state.chart.IsNightChart != 0, state.options);
  });
}

}  // namespace halcyra
