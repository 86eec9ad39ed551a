#include "reports/minute_listing.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>

#include "core/ephemeris_driver.h"
#include "platform/parallel_runs.h"

namespace halcyra {

namespace {

using namespace std::chrono_literals;
// Often enough for a smooth bar and a prompt stop, seldom enough to cost nothing.
constexpr auto kReportInterval = 40ms;

// Stops the ranges still running when the search is left by an exception
// (from the progress report, or a range's own), before their futures wait
// for them.
class StopOnLeave {
 public:
  explicit StopOnLeave(std::stop_source& source) : source_(source) {}
  ~StopOnLeave() { source_.request_stop(); }
  StopOnLeave(const StopOnLeave&) = delete;
  StopOnLeave& operator=(const StopOnLeave&) = delete;

 private:
  std::stop_source& source_;
};

}  // namespace

std::optional<std::vector<MinuteAspect>> FindMinuteAspects(AppState& state, const MinuteListingPeriod& period,
                                                           const std::string& selection,
                                                           const ListingProgress& progress, int threads) {
  const MinuteAspectScan scan(state.chart.Natal, state.options.DiurnalOrb, selection);
  const long minutes = std::max(0, period.days) * 1440L;
  std::stop_source stopAll;
  const std::stop_callback stopOnRequest(progress.stop, [&stopAll] { stopAll.request_stop(); });
  auto report = [&](long done) {
    if (progress.report) progress.report(done, minutes);
  };
  if (minutes == 0 || scan.FindsNothing()) {
    report(minutes);
    if (stopAll.stop_requested()) return std::nullopt;
    return std::vector<MinuteAspect>{};
  }

  if (stopAll.stop_requested()) return std::nullopt;
  // The vector library behind the ephemeris series picks its code path on
  // its first call, through a pointer of its own: make that call here,
  // before the threads.
  ChartSet firstStep = state.chart.Working;
  CalcPlanetPositions(MomentFromClock(ListingClockAt(period.place, period.first, 0)), 1, firstStep);

  const int parts = static_cast<int>(std::min<long>(ThreadsFor(threads), minutes));
  std::vector<ChartSet> working(static_cast<size_t>(parts), state.chart.Working);
  std::atomic<long> done{0};
  const ScanControl control{&done, stopAll.get_token()};
  std::vector<std::future<std::vector<MinuteAspect>>> ranges;
  const StopOnLeave stopOnLeave(stopAll);
  for (int i = 0; i < parts; ++i) {
    const long first = minutes * i / parts, end = minutes * (i + 1) / parts;
    ranges.push_back(std::async(std::launch::async, [&, i, first, end] {
      try {
        return scan.Scan(period, state.tables, first, end, working[static_cast<size_t>(i)], control);
      } catch (...) {
        stopAll.request_stop();  // the search has failed (out of memory): the other ranges need not go on
        throw;
      }
    }));
  }
  for (auto& range : ranges)
    while (!stopAll.stop_requested() && range.wait_for(kReportInterval) == std::future_status::timeout)
      report(done.load(std::memory_order_relaxed));

  // A range's failure reaches the caller from here, stopped or not.
  std::vector<std::vector<MinuteAspect>> found;
  size_t count = 0;
  for (auto& range : ranges) {
    found.push_back(range.get());
    count += found.back().size();
  }
  if (stopAll.stop_requested()) return std::nullopt;
  // Each range is in listing order and the ranges follow each other in time.
  std::vector<MinuteAspect> aspects;
  aspects.reserve(count);
  for (const auto& part : found) aspects.insert(aspects.end(), part.begin(), part.end());
  report(minutes);
  if (stopAll.stop_requested()) return std::nullopt;  // asked for during the last report
  state.chart.Working = working.back();
  return aspects;
}

}  // namespace halcyra
