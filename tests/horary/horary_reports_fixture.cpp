#include "horary/horary_reports_fixture.h"

#include <memory>

#include "core/chart_driver.h"
#include "horary/horary_fixture.h"
#include "shell/report_output.h"
#include "shell/settings_files.h"
#include "shell/startup_data.h"
#include "support/test_support.h"

namespace halcyra::testing {

ChartSet HoraryChart(std::initializer_list<std::pair<int, double>> longitudes, double ascendant) {
  ChartSet chart;
  chart.Cusp = EqualHouses(ascendant);
  Place(chart, longitudes);
  return chart;
}

OptionTables HoraryOptions() {
  OptionTables o;
  const float moieties[] = {7.5f, 6, 3.5f, 3.5f, 3.5f, 4.5f, 4.5f, 2.5f, 2, 2};
  for (int k = 0; k < 10; ++k) o.OptionValues[34 + k] = moieties[k];
  return o;
}

StartupTables ShippedAlmutenTables() {
  auto state = std::make_unique<AppState>();
  state->AppPath = StagedProgramDir();
  LoadStartupData(*state, [](const std::string&) {});
  return state->tables;
}

void ComputeHoraryGoldenChart(AppState& state) {
  state.AppPath = StagedProgramDir();
  LoadStartupData(state, [](const std::string&) {});
  LoadOptionsFile(state);
  ChartInput& in = state.input;
  in.NatalDayInt = in.TransitDay = 9;
  in.NatalMonthInt = in.TransitMonth = 11;
  in.NatalYearInt = in.TransitYear = in.LastBirthdayYear = 2023;
  in.NatalClockTime = in.ChartClockTime = 8.15f;
  in.NatalAmPm = in.NatalAmPmCaption = in.ChartAmPm = "P.M.";
  in.NatalTZ = in.TransitTZ = 5;
  in.NatalGeoLat = in.TransitGeoLat = 40.43f;
  in.NatalGeoLong = in.TransitGeoLong = 74.00f;
  state.chart.ChartName = "Will the parcel come?";
  ComputeChartSets(state);
  ClearReportBuffers(state);
}

}  // namespace halcyra::testing
