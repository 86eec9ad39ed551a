#include "chart_fixture.h"

#include <swephexp.h>

#include <cmath>

#include "chart_input/input_parse.h"
#include "core/chart_driver.h"
#include "shell/startup_data.h"
#include "support/test_support.h"

namespace halcyra::testing {

void SetInput(AppState& state, const TypedChart& n, const TypedChart& t) {
  auto moment = [](const TypedChart& c) {
    return TypedMoment(c.year, c.month, c.day, c.clock, std::string(c.amPm) == "P.M.", c.zone);
  };
  ParseNatalInput(state, moment(n), Place::FromDotMinutes(n.geoLong, n.geoLat));
  ParseTransitInput(state, moment(t), Place::FromDotMinutes(t.geoLong, t.geoLat));
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

double TypedDecimal(double dotMinutes) {
  const double a = std::fabs(dotMinutes), v = std::floor(a) + (a - std::floor(a)) * 100 / 60;
  return dotMinutes < 0 ? -v : v;
}

double TypedUniversalJd(const TypedChart& c) {
  double hours = TypedDecimal(c.clock);
  if (std::floor(c.clock) == 12) hours -= 12;
  if (std::string(c.amPm) == "P.M.") hours += 12;
  return swe_julday(c.year, c.month, c.day, hours + c.zone, SE_GREG_CAL);
}

}  // namespace halcyra::testing
