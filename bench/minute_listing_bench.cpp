// Transits by the minute with the options window's default selection
// (every body, the six angles, both ways) and the shipped diurnal orbs:
// the search over 30 days (43,200 steps) on one thread, and over a year
// (525,600 steps) on one thread and on one per core, alone and with the
// page written as the List command writes it (data buffer emptied, a
// fresh page with the natal header). The page benchmarks also give the
// share of their time that writing the page takes.
//
// Wall-clock time: the search runs on threads other than the one timed.
// Compare `taskset -c 0` with `taskset -c 0-7` runs.
#include <benchmark/benchmark.h>

#include <chrono>

#include "platform/parallel_runs.h"
#include "listing_bench_natal.h"
#include "reports/minute_listing.h"
#include "shell/report_output.h"

namespace {

using namespace halcyra;

// A natal chart of 14 March 1990 at Boston from our own ephemeris, and the
// shipped tables and DIURNAL.ORB.
AppState& BenchState() {
  static AppState state = [] {
    AppState s;
    bench::LoadListingNatal(s);
    return s;
  }();
  return state;
}

const ListingPlace kNewYork{4, Place::FromDegreesMinutes({74, 0}, false, {40, 43}, false)};
const MinuteListingPeriod kThirtyDays{{2024, 6, 1}, 30, kNewYork};
const MinuteListingPeriod kYear{{2024, 6, 1}, 365, kNewYork};

std::vector<MinuteAspect> Find(const MinuteListingPeriod& period, int threads) {
  AppState& state = BenchState();
  return FindMinuteAspects(state, period, state.ini.TransitSelection, {}, threads).value();
}

// The search alone; argument: threads (0: one per core).
void Search(benchmark::State& bench, const MinuteListingPeriod& period) {
  const int threads = static_cast<int>(bench.range(0));
  size_t aspects = 0;
  for (auto _ : bench) {
    const auto found = Find(period, threads);
    aspects = found.size();
    benchmark::DoNotOptimize(found.data());
  }
  bench.counters["aspects"] = static_cast<double>(aspects);
  bench.counters["steps"] = period.days * 1440.0;
  bench.counters["threads"] = ThreadsFor(threads);
}

void BM_MinuteListing30Days(benchmark::State& bench) { Search(bench, kThirtyDays); }
BENCHMARK(BM_MinuteListing30Days)->ArgName("threads")->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MinuteListingYear(benchmark::State& bench) { Search(bench, kYear); }
BENCHMARK(BM_MinuteListingYear)->ArgName("threads")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// The search and the page, as the List command runs them. The counters
// split the time into the search and the writing of the page; emptying the
// page of the iteration before (a listing as long) is timed on its own,
// outside the benchmark's time: it is the cost of the old page, not of
// writing the new one.
void WithPage(benchmark::State& bench, const MinuteListingPeriod& period) {
  const int threads = static_cast<int>(bench.range(0));
  AppState& state = BenchState();
  using Clock = std::chrono::steady_clock;
  auto seconds = [](Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
  };
  double searchSeconds = 0, pageSeconds = 0, emptySeconds = 0;
  for (auto _ : bench) {
    bench.PauseTiming();
    const auto emptying = Clock::now();
    ClearDataBuffer(state);
    StartNewPage(state);
    emptySeconds += seconds(emptying, Clock::now());
    bench.ResumeTiming();
    const auto start = Clock::now();
    const auto found = Find(period, threads);
    const auto searched = Clock::now();
    ClearDataBuffer(state);
    MinuteListingPage(state, period, found, threads);
    const auto written = Clock::now();
    benchmark::DoNotOptimize(state.report.PageLineCount);
    searchSeconds += seconds(start, searched);
    pageSeconds += seconds(searched, written);
  }
  const double n = static_cast<double>(bench.iterations());
  bench.counters["lines"] = static_cast<double>(state.report.PageLineCount);
  bench.counters["threads"] = ThreadsFor(threads);
  bench.counters["search_ms"] = searchSeconds / n * 1e3;
  bench.counters["page_ms"] = pageSeconds / n * 1e3;
  bench.counters["page_share"] = pageSeconds / (searchSeconds + pageSeconds);
  bench.counters["empty_old_page_ms"] = emptySeconds / n * 1e3;
}

void BM_MinuteListing30DaysWithPage(benchmark::State& bench) { WithPage(bench, kThirtyDays); }
BENCHMARK(BM_MinuteListing30DaysWithPage)->ArgName("threads")->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MinuteListingYearWithPage(benchmark::State& bench) { WithPage(bench, kYear); }
BENCHMARK(BM_MinuteListingYearWithPage)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
