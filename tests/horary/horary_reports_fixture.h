#pragma once
// Charts for the horary report tests: small charts written straight into
// a chart set, and one horary chart computed by the chart driver.
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "state/app_state.h"
#include "state/chart_set.h"
#include "state/line_sink.h"

namespace halcyra::testing {

// The chosen longitudes, every other point at 0; equal houses from `ascendant`.
ChartSet HoraryChart(std::initializer_list<std::pair<int, double>> longitudes, double ascendant = 0);

// The shipped horary moieties (options 34 to 43).
OptionTables HoraryOptions();

// The start-up tables of the shipped program folder (the almuten tables).
StartupTables ShippedAlmutenTables();

// A horary question of 9 Nov 2023 8.15 P.M., zone 5 west, 40.43 NORTH
// 74.00 WEST (the Sun in the 6th house: a night chart), computed by the
// chart driver with the shipped tables and options; the buffers empty.
void ComputeHoraryGoldenChart(AppState& state);

// The lines a writer gives.
template <typename Writer>
std::vector<std::string> LinesOf(Writer write) {
  LineCollector out;
  write(out);
  return out.lines;
}

}  // namespace halcyra::testing
