// Chart time, angles and house cusps, beside the Swiss Ephemeris house call
// for the same right ascension, latitude and obliquity.
#include <benchmark/benchmark.h>

#include <string>

#include "core/chart_time.h"
#include "core/house_systems.h"
#ifdef HALCYRA_HAVE_SWE
#include <swephexp.h>
#endif

using namespace halcyra;

namespace {
constexpr double kObliquity = 23.4392911;
constexpr int kFrames = 64;

// A spread of meridians and latitudes, the same for every benchmark.
struct Frame {
  double ramc, lat;
};
const Frame* Frames() {
  static Frame frames[kFrames];
  for (int i = 0; i < kFrames; ++i) frames[i] = {i * 5.7, -60.0 + (i * 37) % 121};
  return frames;
}

void BM_ChartTimeAndAngles(benchmark::State& state) {
  ChartMomentInput in;
  in.year = 1987;
  in.month = 4;
  in.where = Place::FromDegreesMinutes({75, 30}, false, {40, 45}, false);
  int i = 0;
  for (auto _ : state) {
    in.day = 1 + (i & 15);
    in.dayFraction = (i & 63) / 64.0;
    ++i;
    ChartClock c = ComputeChartClock(in);
    benchmark::DoNotOptimize(c);
  }
}
BENCHMARK(BM_ChartTimeAndAngles);

// Our angles and cusps of one chart frame.
void BM_AnglesAndCusps(benchmark::State& state, std::string system) {
  const Frame* frames = Frames();
  CuspTable cusps{};
  int i = 0;
  for (auto _ : state) {
    const Frame& f = frames[i++ & (kFrames - 1)];
    const ChartClock c = ClockForRamc(f.ramc, f.lat, kObliquity);
    benchmark::DoNotOptimize(ComputeHouseCusps(system, c, cusps));
    benchmark::DoNotOptimize(cusps);
  }
}
BENCHMARK_CAPTURE(BM_AnglesAndCusps, Placidus, std::string("P"));
BENCHMARK_CAPTURE(BM_AnglesAndCusps, Koch, std::string("K"));
BENCHMARK_CAPTURE(BM_AnglesAndCusps, Regiomontanus, std::string("R"));
BENCHMARK_CAPTURE(BM_AnglesAndCusps, Campanus, std::string("C"));
BENCHMARK_CAPTURE(BM_AnglesAndCusps, Porphyry, std::string("O"));
BENCHMARK_CAPTURE(BM_AnglesAndCusps, EqualAsc, std::string("EA"));
BENCHMARK_CAPTURE(BM_AnglesAndCusps, EqualMC, std::string("EM"));
BENCHMARK_CAPTURE(BM_AnglesAndCusps, Meridian, std::string("M"));
BENCHMARK_CAPTURE(BM_AnglesAndCusps, Morinus, std::string("I"));

#ifdef HALCYRA_HAVE_SWE
// The library's angles and cusps of the same frames.
void BM_SweHousesArmc(benchmark::State& state, int hsys) {
  const Frame* frames = Frames();
  double cusps[13], ascmc[10];
  int i = 0;
  for (auto _ : state) {
    const Frame& f = frames[i++ & (kFrames - 1)];
    benchmark::DoNotOptimize(swe_houses_armc(f.ramc, f.lat, kObliquity, hsys, cusps, ascmc));
    benchmark::DoNotOptimize(cusps);
  }
}
BENCHMARK_CAPTURE(BM_SweHousesArmc, Placidus, 'P');
BENCHMARK_CAPTURE(BM_SweHousesArmc, Koch, 'K');
BENCHMARK_CAPTURE(BM_SweHousesArmc, Regiomontanus, 'R');
BENCHMARK_CAPTURE(BM_SweHousesArmc, Campanus, 'C');
BENCHMARK_CAPTURE(BM_SweHousesArmc, Porphyry, 'O');
BENCHMARK_CAPTURE(BM_SweHousesArmc, EqualAsc, 'A');
BENCHMARK_CAPTURE(BM_SweHousesArmc, EqualMC, 'D');
BENCHMARK_CAPTURE(BM_SweHousesArmc, Meridian, 'X');
BENCHMARK_CAPTURE(BM_SweHousesArmc, Morinus, 'M');
#endif

}  // namespace
