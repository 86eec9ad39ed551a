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

std::string TransitAspectsToTransitsCaption(bool secondPersonTicked) {
  return secondPersonTicked ? "Natal A&spects" : "A&spects to Transits";
}

void DataSummaryPage(AppState& state) {
  StartReportWithChartHeader(state);
  ReportBufferSink page(state);
  WriteDataSummaryReport(page, state.chart, state.options.HouseSystem);
}

void NatalDataPage(AppState& state) {
  StartReportWithChartHeader(state);
  ReportBufferSink page(state);
  WriteNatalPositionsReport(state, page);
}

void NatalAspectsPage(AppState& state) {
  LoadPointPositions(state.chart.Working, state.chart.Natal);
  StartReportWithChartHeader(state);
  ReportBufferSink page(state);
  WriteNatalAspectReport(page, state.chart.Working, state.options);
}

void TransitDataPage(AppState& state) {
  StartNewPage(state);
  ReportBufferSink page(state);
  WritePositionsReport(state, page);
  state.chart.ChartKind = 0;
}

void TransitAspectsToNatalPage(AppState& state, const SecondPersonBox& box) {
  if (box.ticked) {
    StartReportWithChartHeader(state);
    ReportBufferSink page(state);
    WriteTransitPositionsHeading(page, state.chart, state.input);
    WriteInterChartAspectGrid(page, state.chart, state.options);
    WriteInterChartParallelGrid(page, state.chart, state.options);
  } else {
    StartReportWithDiurnalHeader(state);
    ReportBufferSink page(state);
    WriteTransitToNatalAspects(page, state.chart.Transit, state.chart.Natal, state.options);
  }
}

void TransitAspectsToTransitsPage(AppState& state, const SecondPersonBox& box) {
  LoadPointPositions(state.chart.Working, state.chart.Transit);
  if (box.ticked) {
    StartNewPage(state);
    ReportBufferSink page(state);
    page.WriteBlankLine();
    page.WriteLine("  " + box.caption);
    WriteCurrentDataLine(page, state.input);
    page.WriteBlankLine();
    WriteNatalAspectReport(page, state.chart.Working, state.options);
  } else {
    StartReportWithDiurnalHeader(state);
    ReportBufferSink page(state);
    WriteTransitToTransitAspects(page, state.chart.Transit, state.chart.TransitChartName, state.options);
  }
}

void FixedStarsPage(AppState& state) {
  StartReportWithChartHeader(state);
  ReportBufferSink page(state);
  WriteFixedStarsReport(page, state.input.Natal.Year, state.chart.moments, state.tables.StarText);
}

void TransitInterpretationsPage(AppState& state) {
  StartNewPage(state);
  ReportBufferSink page(state);
  WriteTransitInterpretations(state, page);
}

}  // namespace halcyra
