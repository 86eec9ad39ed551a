// The chart driver's computation of the four chart sets, one solar return
// and one lunar return search with their charts, and beside them the Swiss
// Ephemeris computing one set of the same points. Each iteration moves the
// transit moment or the searched year or day on, so nothing comes from a
// cache of the previous call.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/chart_driver.h"
#include "core/return_search.h"
#include "shell/startup_data.h"
#include "state/app_state.h"

#ifdef HALCYRA_HAVE_SWE
#include <swephexp.h>
#endif

namespace {

using namespace halcyra;

// New York, 14 July 1975, 3.25 P.M.; transits from 1 March 2024 in London.
std::unique_ptr<AppState> TypedChart() {
  static const StartupTables tables = [] {
    AppState loader;
    loader.AppPath = HALCYRA_APPDATA_DIR;
    LoadStartupData(loader, nullptr);
    return loader.tables;
  }();
  auto state = std::make_unique<AppState>();
  state->tables = tables;
  state->options.HouseSystem = "P";
  state->options.OptionValues[218] = 2;
  ChartInput& in = state->input;
  in.Natal.Year = 1975, in.Natal.Month = 7, in.Natal.Day = 14;
  in.Natal.Hour = 3, in.Natal.Minute = 25, in.Natal.PM = true, in.Natal.Zone.Whole = 5;
  in.NatalPlace = Place::FromDegreesMinutes({73, 59}, false, {40, 45}, false);
  in.Transit.Year = 2024, in.Transit.Month = 3, in.Transit.Day = 1;
  in.Transit.Hour = 10, in.Transit.Minute = 0, in.Transit.PM = false;
  in.TransitPlace = Place::FromDegreesMinutes({0, 7}, false, {51, 30}, false);
  in.LastBirthdayYear = 2023;
  ComputeChartSets(*state);
  return state;
}

void BM_ComputeChartSets(benchmark::State& bench) {
  auto state = TypedChart();
  int day = 1;
  for (auto _ : bench) {
    state->input.Transit.Day = 1 + day % 28;
    ++day;
    ComputeChartSets(*state);
    benchmark::DoNotOptimize(state->chart.Transit.Long.data());
  }
}
BENCHMARK(BM_ComputeChartSets)->Unit(benchmark::kMicrosecond);

void BM_FindSolarReturn(benchmark::State& bench) {
  auto state = TypedChart();
  int year = 0;
  for (auto _ : bench) {
    state->chart.returns.SolarReturnYear = 1980 + year % 80;
    ++year;
    benchmark::DoNotOptimize(FindSolarReturn(*state).found);
  }
}
BENCHMARK(BM_FindSolarReturn)->Unit(benchmark::kMicrosecond);

void BM_FindLunarReturn(benchmark::State& bench) {
  auto state = TypedChart();
  int day = 0;
  for (auto _ : bench) {
    state->chart.returns.ReturnDay = 1 + day % 28;
    ++day;
    benchmark::DoNotOptimize(FindLunarReturn(*state).found);
  }
}
BENCHMARK(BM_FindLunarReturn)->Unit(benchmark::kMicrosecond);

// The search alone, without the chart of the moment found.
void BM_SearchLunarReturn(benchmark::State& bench) {
  auto state = TypedChart();
  int day = 0;
  for (auto _ : bench) {
    state->chart.returns.ReturnDay = 1 + day % 28;
    ++day;
    benchmark::DoNotOptimize(SearchLunarReturn(*state).steps);
  }
}
BENCHMARK(BM_SearchLunarReturn)->Unit(benchmark::kMicrosecond);

#ifdef HALCYRA_HAVE_SWE
// One set of the same points by the Swiss Ephemeris: Sun to Pluto, the Moon,
// the mean node and Chiron with declinations, and the Placidus houses.
void BM_SwissEphemerisOneSet(benchmark::State& bench) {
  swe_set_ephe_path(const_cast<char*>("/usr/share/libswe/ephe"));
  const int bodies[] = {SE_SUN,    SE_MERCURY, SE_VENUS,   SE_MARS, SE_JUPITER,   SE_SATURN,
                        SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MOON, SE_MEAN_NODE, SE_CHIRON};
  double jd = 2460371.0;
  char err[256];
  for (auto _ : bench) {
    double xx[6], cusps[13], ascmc[10];
    for (int body : bodies) {
      swe_calc_ut(jd, body, SEFLG_SWIEPH | SEFLG_SPEED, xx, err);
      swe_calc_ut(jd, body, SEFLG_SWIEPH | SEFLG_EQUATORIAL, xx, err);
    }
    swe_houses(jd, 51.5, -0.1, 'P', cusps, ascmc);
    benchmark::DoNotOptimize(cusps);
    jd += 0.37;
  }
}
BENCHMARK(BM_SwissEphemerisOneSet)->Unit(benchmark::kMicrosecond);
#endif

}  // namespace
