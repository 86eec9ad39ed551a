// Transits by the minute over 30 days (43,200 steps) with the options
// window's default selection (every body, the six angles, both ways) and
// the shipped diurnal orbs: the Qt-free core the List command runs, and the
// same run with the page written.
#include <benchmark/benchmark.h>

#include "core/ephemeris_driver.h"
#include "core/table_bodies.h"
#include "reports/minute_listing.h"
#include "shell/settings_files.h"
#include "shell/startup_data.h"

namespace {

using namespace halcyra;

// A natal chart of 14 March 1990 at Boston from our own ephemeris, and the
// program folder's tables and DIURNAL.ORB.
AppState& BenchState() {
  static AppState state = [] {
    AppState s;
    s.AppPath = HALCYRA_PROGRAM_DIR;
    LoadStartupData(s, [](const std::string&) {});
    LoadDiurnalOrbs(s);
    ListingPlace boston{5, 71.04, 42.21, "NORTH"};
    const ChartClock clock = ListingClockAt(boston, {1990, 3, 14}, 22 * 60 + 30);
    ChartSet& natal = s.chart.Natal;
    CalcPlanetPositions(MomentFromClock(clock), 1, natal);
    CalcTableBodies(clock.ListJulianDay, s.tables, natal);
    natal.Vertex = clock.AngleVertex;
    natal.EquatorialAsc = clock.AngleEquatorialAsc;
    natal.CoAsc = clock.AngleCoAsc;
    natal.PolarAsc = clock.AnglePolarAsc;
    return s;
  }();
  return state;
}

const MinuteListingPeriod kThirtyDays{{2024, 6, 1}, 30, {4, 74.00, 40.43, "NORTH"}};

void BM_MinuteListing30Days(benchmark::State& bench) {
  AppState& state = BenchState();
  size_t aspects = 0;
  for (auto _ : bench) {
    const auto found = FindMinuteAspects(state, kThirtyDays, state.ini.TransitSelection);
    aspects = found.size();
    benchmark::DoNotOptimize(found.data());
  }
  bench.counters["aspects"] = static_cast<double>(aspects);
  bench.counters["steps"] = 43200;
}
BENCHMARK(BM_MinuteListing30Days)->Unit(benchmark::kMillisecond);

void BM_MinuteListing30DaysWithPage(benchmark::State& bench) {
  AppState& state = BenchState();
  for (auto _ : bench) {
    state.report = ReportBuffer{};
    const auto found = FindMinuteAspects(state, kThirtyDays, state.ini.TransitSelection);
    MinuteListingPage(state, kThirtyDays, found);
    benchmark::DoNotOptimize(state.report.PageLineCount);
  }
  bench.counters["lines"] = static_cast<double>(state.report.PageLineCount);
}
BENCHMARK(BM_MinuteListing30DaysWithPage)->Unit(benchmark::kMillisecond);

}  // namespace
