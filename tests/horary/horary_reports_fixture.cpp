#include "horary/horary_reports_fixture.h"

#include <stdexcept>

#include "core/chart_driver.h"
#include "horary/horary_fixture.h"
#include "platform/text_files.h"
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
  const float partOrbs[] = {2, 1, 1.5f, 1.5f, 1, 2};
  for (int k = 0; k < 6; ++k) o.OptionValues[128 + k] = partOrbs[k];
  return o;
}

StartupTables ShippedAlmutenTables() {
  StartupTables tables;
  const std::pair<const char*, DegreeTable*> files[] = {{"ALMUTD1.DAT", &tables.AlmutenDay},
                                                        {"ALMUTD2.DAT", &tables.CoAlmutenDay},
                                                        {"ALMUTN1.DAT", &tables.AlmutenNight},
                                                        {"ALMUTN2.DAT", &tables.CoAlmutenNight}};
  for (const auto& [name, table] : files) {
    const auto lines = ReadTextLines(SourceAppData() + "/" + name);
    if (!lines || lines->size() != table->size()) throw std::runtime_error(std::string("cannot read ") + name);
    for (size_t i = 0; i < table->size(); ++i) (*table)[i] = std::stoi((*lines)[i]);
  }
  return tables;
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
