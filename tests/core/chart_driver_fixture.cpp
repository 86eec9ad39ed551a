#include "chart_driver_fixture.h"

#include <cmath>

#include "chart_input/input_parse.h"
#include "shell/startup_data.h"
#include "support/test_support.h"

namespace halcyra::testing {

namespace {
const StartupTables& ShippedTables() {
  static const StartupTables tables = [] {
    AppState loader;
    loader.AppPath = StagedProgramDir();
    LoadStartupData(loader, [](const std::string&) {});
    return loader.tables;
  }();
  return tables;
}
}  // namespace

std::unique_ptr<AppState> NewChartState() {
  auto state = std::make_unique<AppState>();
  state->AppPath = StagedProgramDir();
  state->tables = ShippedTables();
  state->options.HouseSystem = "P";
  state->options.OptionValues[218] = 2;  // Part of Fortune by day or night
  return state;
}

void SetNatalInput(AppState& state, const TypedChart& c) {
  ChartInput& in = state.input;
  in.NatalYearInt = c.year;
  in.NatalMonthInt = c.month;
  in.NatalDayInt = c.day;
  in.NatalClockTime = static_cast<float>(c.clock);
  in.NatalAmPm = c.amPm;
  in.NatalAmPmCaption = c.amPm;
  in.NatalTZ = static_cast<float>(c.zone);
  in.NatalGeoLong = static_cast<float>(c.geoLong);
  in.NatalGeoLat = static_cast<float>(c.geoLat);
  in.EWText = c.geoLong < 0 ? "EAST" : "WEST";
  in.NSText = c.geoLat < 0 ? "SOUTH" : "NORTH";
  in.NatalDateText = DateTextInOrder(c.month, c.day, c.year, 0);
  in.LastBirthdayYear = LastBirthdayYear(in.NatalMonthInt, in.NatalDayInt, in.TransitMonth, in.TransitDay,
                                         in.TransitYear);
}

void SetTransitInput(AppState& state, const TypedChart& c) {
  ChartInput& in = state.input;
  in.TransitYear = c.year;
  in.TransitMonth = c.month;
  in.TransitDay = c.day;
  in.ChartClockTime = static_cast<float>(c.clock);
  in.ChartAmPm = c.amPm;
  in.TransitTZ = static_cast<float>(c.zone);
  in.TransitGeoLong = static_cast<float>(c.geoLong);
  in.TransitGeoLat = static_cast<float>(c.geoLat);
  in.TransitEWText = c.geoLong < 0 ? "EAST" : "WEST";
  in.TransitNSText = c.geoLat < 0 ? "SOUTH" : "NORTH";
  in.TransitDateText = DateTextInOrder(c.month, c.day, c.year, 0);
  in.LastBirthdayYear = LastBirthdayYear(in.NatalMonthInt, in.NatalDayInt, in.TransitMonth, in.TransitDay,
                                         in.TransitYear);
}

double ArcGap(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return d > 180 ? 360 - d : d;
}

}  // namespace halcyra::testing
