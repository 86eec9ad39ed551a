#pragma once
// Charts for the horary report tests: small charts of chosen longitudes
// written straight into a chart set, and one horary chart computed by the
// chart driver for the golden pages.
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "state/app_state.h"
#include "state/chart_set.h"
#include "state/line_sink.h"

namespace halcyra::testing {

// The chosen longitudes (point, degrees); every other point at 0. Equal
// houses of 30 degrees from the 1st-house cusp `ascendant`, the house tags
// built from them.
ChartSet HoraryChart(std::initializer_list<std::pair<int, double>> longitudes, double ascendant = 0);

// The shipped option values the horary reports read: moieties (options 34
// to 43) Sun 7.5, Moon 6, Mercury, Venus, Mars 3.5, Jupiter, Saturn 4.5,
// Uranus 2.5, Neptune, Pluto 2; Arabian-part orbs (128 to 133) 2, 1, 1.5,
// 1.5, 1, 2.
OptionTables HoraryOptions();

// The four almuten tables of the shipped program folder.
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
