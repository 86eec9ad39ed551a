#include "reports/data_menu_commands.h"

#include "reports/aspect_reports.h"
#include "reports/data_summary.h"
#include "reports/fixed_stars.h"
#include "reports/inter_chart_grids.h"
#include "reports/positions_reports.h"
#include "reports/report_headers.h"
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

void NatalAspectsPage(AppState& state) {
  const NatalSet& n = state.chart.natal;
  CopyIntoWorkingSet(state.chart.work, n.NatalLong, n.NatalDecl, n.NatalNoData);
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

NotYetAvailableSections& PendingSections() {
  static NotYetAvailableSections sections;
  return sections;
}

bool NatalMorePage(AppState& state) {
  const auto& s = PendingSections();
  if (!s.WriteSignHouseEmphasis) return false;
  StartReportWithChartHeader(state);
  s.WriteSignHouseEmphasis(state);
  return true;
}

bool HoraryAspectsPage(AppState& state) {
  const auto& s = PendingSections();
  if (!s.WriteHoraryAspects) return false;
  StartNewPage(state);
  WriteNatalDataHeader(state);
  s.WriteHoraryAspects(state);
  return true;
}

bool HoraryAlmutensPage(AppState& state) {
  const auto& s = PendingSections();
  if (!s.WriteAlmutensDispositors || !s.WriteSolsticePoints) return false;
  StartNewPage(state);
  WriteNatalDataHeader(state);
  s.WriteAlmutensDispositors(state);
  WriteBlankLine(state);
  s.WriteSolsticePoints(state);
  return true;
}

bool HoraryDecansDwadsPage(AppState& state) {
  const auto& s = PendingSections();
  if (!s.WriteDecansDwads) return false;
  StartNewPage(state);
  WriteNatalDataHeader(state);
  s.WriteDecansDwads(state);
  return true;
}

bool HoraryOtherDegreesPage(AppState& state) {
  const auto& s = PendingSections();
  if (!s.WriteDegreeQualities) return false;
  StartNewPage(state);
  WriteNatalDataHeader(state);
  s.WriteDegreeQualities(state);
  return true;
}

bool ArabianPartsPage(AppState& state) {
  const auto& s = PendingSections();
  if (!s.WriteArabianParts) return false;
  StartReportWithChartHeader(state);
  s.WriteArabianParts(state);
  return true;
}

bool TransitInterpretationsPage(AppState& state) {
  const auto& s = PendingSections();
  if (!s.WriteTransitInterpretations) return false;
  StartNewPage(state);
  s.WriteTransitInterpretations(state);
  return true;
}

}  // namespace halcyra
