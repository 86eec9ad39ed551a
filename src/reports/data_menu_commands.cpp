#include "reports/data_menu_commands.h"

#include "reports/aspect_reports.h"
#include "reports/data_summary.h"
#include "reports/fixed_stars.h"
#include "reports/inter_chart_grids.h"
#include "reports/positions_reports.h"
#include "reports/report_headers.h"
#include "reports/transit_interpretations.h"
#include "shell/report_output.h"

namespace halcyra {

namespace {

// Longitudes and declinations (with their no-data flags) of points 1 to
// NumPoints copied into the working set.
void CopyIntoWorkingSet(WorkingSet& w, const PointArray& longs, const PointArray& decls,
                        const PointFlags& noData) {
  for (int p = 1; p <= NumPoints; ++p) {
    w.PointLong[p] = longs[p];
    w.PointDecl[p] = decls[p];
    w.NoData[p] = noData[p];
  }
}

}  // namespace

std::string TransitAspectsToTransitsCaption(bool secondPersonTicked) {
  return secondPersonTicked ? "Natal A&spects" : "A&spects to Transits";
}

void DataSummaryPage(AppState& state) {
  StartReportWithChartHeader(state);
  WriteDataSummaryReport(state);
}

void NatalDataPage(AppState& state) {
  StartReportWithChartHeader(state);
  WriteNatalPositionsReport(state);
}

void CopyNatalIntoWorkingSet(AppState& state) {
  const NatalSet& n = state.chart.natal;
  CopyIntoWorkingSet(state.chart.work, n.NatalLong, n.NatalDecl, n.NatalNoData);
}

void NatalAspectsPage(AppState& state) {
  CopyNatalIntoWorkingSet(state);
  StartReportWithChartHeader(state);
  WriteNatalAspectReport(state);
}

void TransitDataPage(AppState& state) {
  StartNewPage(state);
  WritePositionsReport(state);
  state.chart.ChartKind = 0;
}

void TransitAspectsToNatalPage(AppState& state, const SecondPersonBox& box) {
  if (box.ticked) {
    WriteTransitPositionsHeading(state);
    WriteInterChartAspectGrid(state);
    WriteInterChartParallelGrid(state);
  } else {
    StartReportWithDiurnalHeader(state);
    WriteTransitToNatalAspects(state);
  }
}

void TransitAspectsToTransitsPage(AppState& state, const SecondPersonBox& box) {
  const TransitSet& t = state.chart.transit;
  CopyIntoWorkingSet(state.chart.work, t.TransitLong, t.TransitDecl, t.TransitNoData);
  if (box.ticked) {
    StartNewPage(state);
    WriteBlankLine(state);
    WriteLine(state, "  " + box.caption);
    WriteCurrentDataLine(state);
    WriteBlankLine(state);
    WriteNatalAspectReport(state);
  } else {
    StartReportWithDiurnalHeader(state);
    WriteTransitToTransitAspects(state);
  }
}

void FixedStarsPage(AppState& state) {
  StartReportWithChartHeader(state);
  WriteFixedStarsReport(state);
}

void TransitInterpretationsPage(AppState& state) {
  StartNewPage(state);
  ReportBufferSink page(state);
  WriteTransitInterpretations(state, page);
}

}  // namespace halcyra
