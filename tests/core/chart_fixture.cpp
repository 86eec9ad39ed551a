#include "chart_fixture.h"

#include <cmath>

#include "chart_input/input_parse.h"
#include "core/chart_driver.h"
#include "shell/startup_data.h"
#include "support/test_support.h"

namespace halcyra::testing {

void SetInput(AppState& state, const TypedChart& n, const TypedChart& t) {
  ChartInput& in = state.input;
  in.NatalYearInt = n.year, in.NatalMonthInt = n.month, in.NatalDayInt = n.day;
  in.NatalClockTime = static_cast<float>(n.clock), in.NatalAmPm = in.NatalAmPmCaption = n.amPm;
  in.NatalTZ = static_cast<float>(n.zone);
  in.NatalGeoLong = static_cast<float>(n.geoLong), in.NatalGeoLat = static_cast<float>(n.geoLat);
  in.EWText = n.geoLong < 0 ? "EAST" : "WEST", in.NSText = n.geoLat < 0 ? "SOUTH" : "NORTH";
  in.NatalDateText = DateTextInOrder(n.month, n.day, n.year, 0);
  in.TransitYear = t.year, in.TransitMonth = t.month, in.TransitDay = t.day;
  in.ChartClockTime = static_cast<float>(t.clock), in.ChartAmPm = t.amPm;
  in.TransitTZ = static_cast<float>(t.zone);
  in.TransitGeoLong = static_cast<float>(t.geoLong), in.TransitGeoLat = static_cast<float>(t.geoLat);
  in.TransitEWText = t.geoLong < 0 ? "EAST" : "WEST", in.TransitNSText = t.geoLat < 0 ? "SOUTH" : "NORTH";
  in.TransitDateText = DateTextInOrder(t.month, t.day, t.year, 0);
  in.LastBirthdayYear = LastBirthdayYear(n.month, n.day, t.month, t.day, t.year);
}

const StartupTables& ShippedTables() {
  static const StartupTables tables = [] {
    AppState loader;
    loader.AppPath = StagedProgramDir();
    LoadStartupData(loader, [](const std::string&) {});
    return loader.tables;
  }();
  return tables;
}

std::unique_ptr<AppState> TypedState(const TypedChart& natal, const TypedChart& transit, const char* houseSystem,
                                     float option218) {
  auto state = std::make_unique<AppState>();
  state->AppPath = StagedProgramDir();
  state->tables = ShippedTables();
  state->options.HouseSystem = houseSystem;
  state->options.OptionValues[218] = option218;
  SetInput(*state, natal, transit);
  return state;
}

std::unique_ptr<AppState> ComputedState(const TypedChart& natal, const TypedChart& transit, const char* houseSystem,
                                        float option218) {
  auto state = TypedState(natal, transit, houseSystem, option218);
  ComputeChartSets(*state);
  return state;
}

double ArcGap(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return d > 180 ? 360 - d : d;
}

}  // namespace halcyra::testing
