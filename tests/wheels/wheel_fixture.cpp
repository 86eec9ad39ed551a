#include "wheel_fixture.h"

#include <cmath>

#include "chart_input/chart_command_input.h"
#include "chart_input/input_parse.h"
#include "core/chart_driver.h"
#include "core/house_row.h"
#include "shell/settings_files.h"
#include "shell/startup_data.h"
#include "support/test_support.h"
#include "wheels/wheel_commands.h"

namespace halcyra::testing {

namespace {

InputBoxTexts KennedyTexts(const char* month, const char* day, const char* hour, const char* minute, bool pm) {
  InputBoxTexts t;
  t.Month = month, t.Day = day, t.Year = "1969", t.Hour = hour, t.Minute = minute, t.PM = pm;
  t.TZ = "4", t.LongDeg = "80", t.LongMin = "36", t.LatDeg = "28", t.LatMin = "36";
  return t;
}

}  // namespace

std::unique_ptr<AppState> ShippedWheelState() {
  static const AppState loaded = [] {
    AppState s;
    s.AppPath = StagedProgramDir();
    LoadOptionsFile(s);
    LoadStartupData(s, [](const std::string&) {});
    return s;
  }();
  auto state = std::make_unique<AppState>();
  state->AppPath = loaded.AppPath;
  state->options.OptionValues = loaded.options.OptionValues;
  state->tables = loaded.tables;
  state->options.HouseSystem = "P";
  SetWheelOrbFile(*state, "NATAL.ORB");
  LoadOrbFile(*state);
  return state;
}

std::unique_ptr<AppState> ApolloState() {
  auto state = ShippedWheelState();
  const WindowReading natal = ReadWindowBoxes(KennedyTexts("7", "16", "9", "32", false), FirstNatalYear);
  const WindowReading transit = ReadWindowBoxes(KennedyTexts("7", "20", "4", "17", true), FirstTransitYear);
  ParseNatalInput(*state, natal.When, natal.Where);
  ParseTransitInput(*state, transit.When, transit.Where);
  SetChartNames(*state, "Apollo 11 launch", "2nd Person");
  ComputeChartSets(*state);
  return state;
}

ChartSet MadeUpChart(const PointArray& longitudes, double ascendant, const std::string& retroFlags) {
  ChartSet set;
  set.Long = longitudes;
  for (int h = 1; h <= 12; ++h) set.Cusp[CuspEntryOfHouse(h)] = std::fmod(ascendant + 30 * (h - 1), 360.0);
  set.HouseTags = BuildPlanetHouseRow(set.Long, set.Cusp);
  if (!retroFlags.empty()) set.RetroFlags = retroFlags;
  return set;
}

PointArray SpreadPoints(double first) {
  PointArray longitudes{};
  // the other points spread round the wheel too, as in a real chart
  for (int p = 13; p <= NumPoints; ++p) longitudes[p] = std::fmod(first + 7 + 17 * p, 360.0);
  for (int p = 1; p <= 12; ++p) longitudes[p] = std::fmod(first + 30 * (p - 1), 360.0);
  return longitudes;
}

std::string SelectionShowing(std::initializer_list<int> points) {
  std::string selection(84, '0');
  for (int p : points) selection[static_cast<size_t>(p <= 13 ? 42 + p - 1 : 40 + p - 1)] = '1';
  return selection;
}

}  // namespace halcyra::testing
