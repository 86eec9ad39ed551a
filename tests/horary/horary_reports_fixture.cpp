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
  in.Natal = in.Transit = TypedMoment(2023, 11, 9, 8.15, true, 5);
  in.NatalAmPmCaption = "P.M.";
  in.LastBirthdayYear = 2023;
  in.NatalPlace = in.TransitPlace = Place::FromDotMinutes(74.00, 40.43);
  state.chart.ChartName = "Will the parcel come?";
  ComputeChartSets(state);
  ClearReportBuffers(state);
}

}  // namespace halcyra::testing
