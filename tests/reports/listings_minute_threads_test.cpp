// Transits by the minute on several threads: the page of any number of
// threads is the page of one (periods over a month and a year end, ranges
// meeting right at a perfected aspect), the progress reaches the total, and
// a stopped listing leaves the chart state, the page and the data buffer
// as they were.
#include <gtest/gtest.h>

#include <stdexcept>
#include <stop_token>

#include "core/angle_helpers.h"
#include "core/ephemeris_driver.h"
#include "reports/listing_points.h"
#include "reports/minute_listing.h"
#include "reports/report_fixture.h"
#include "shell/report_output.h"
#include "shell/settings_files.h"
#include "shell/startup_data.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

const ListingPlace kNewYork{4, 74.00, 40.43, "NORTH"};
const ListingPlace kGreenwich{0, 0, 51.30, "NORTH"};

// The fixture's natal chart with the program's start-up tables (so the
// table-driven bodies transit too), its DIURNAL.ORB and the options
// window's default selection.
AppState ShippedListingState() {
  static const AppState loaded = [] {
    AppState s;
    s.AppPath = testing::StagedProgramDir();
    LoadStartupData(s, [](const std::string&) {});
    LoadDiurnalOrbs(s);
    testing::FillFixtureChart(s);
    return s;
  }();
  return loaded;
}

// What a listing hands its progress report.
struct ProgressRecord {
  std::vector<std::pair<long, long>> reports;
  ListingProgress Progress() {
    return {[this](long done, long total) { reports.emplace_back(done, total); }, {}};
  }
};

struct Listed {
  std::vector<MinuteAspect> aspects;
  std::vector<std::string> page;
  ChartSet working;  // the working set the listing leaves
};

Listed ListOn(int threads, const MinuteListingPeriod& period, const std::string& selection,
              ProgressRecord* record = nullptr) {
  AppState state = ShippedListingState();
  Listed listed;
  listed.aspects = FindMinuteAspects(state, period, selection, record ? record->Progress() : ListingProgress{}, threads)
                       .value();
  LineCollector page;
  WriteMinuteListing(page, period, listed.aspects, threads);
  listed.page = page.lines;
  listed.working = state.chart.Working;
  return listed;
}

TEST(MinuteListingThreads, PageOfSeveralThreadsIsThePageOfOne) {
  // Reference: one thread. The ranges of 2, 3 and 8 threads end inside
  // days, at other minutes for each count.
  struct Case {
    const char* what;
    MinuteListingPeriod period;
  };
  const Case cases[] = {
      {"29 Jun to 1 Jul 2024, New York", {{2024, 6, 29}, 3, kNewYork}},
      {"31 Dec 2024, 7 hours east: the local day starts on 30 Dec in universal time",
       {{2024, 12, 31}, 1, {-7, -105.00, 13.45, "NORTH"}}},
      {"15 Jan to 14 Feb 2024, 34 36 S 58 27 W", {{2024, 1, 15}, 31, {3, 58.27, 34.36, "SOUTH"}}},
  };
  const std::string selection = IniSettings{}.TransitSelection;
  for (const Case& c : cases) {
    ProgressRecord oneThread;
    const Listed one = ListOn(1, c.period, selection, &oneThread);
    ASSERT_GT(one.aspects.size(), 100u) << c.what;
    EXPECT_TRUE(std::is_sorted(one.aspects.begin(), one.aspects.end(), ListedBefore)) << c.what;
    for (int threads : {2, 3, 8}) {
      ProgressRecord record;
      const Listed several = ListOn(threads, c.period, selection, &record);
      EXPECT_EQ(several.page, one.page) << c.what << ", " << threads << " threads";
      EXPECT_TRUE(several.working == one.working) << c.what << ", " << threads << " threads";
      // never back, and at the end all of it
      const long total = c.period.days * 1440L;
      ASSERT_FALSE(record.reports.empty());
      EXPECT_EQ(record.reports.back(), std::pair(total, total)) << c.what;
      EXPECT_TRUE(std::is_sorted(record.reports.begin(), record.reports.end())) << c.what;
    }
  }
}

// Two threads split a day at minute 720. A natal point where the Moon
// stands at `exact` (or, for the parallels, at the Moon's declination
// there) is listed once, at the nearer whole minute, by whichever range
// holds that minute.
TEST(MinuteListingThreads, AspectPerfectedWhereTwoRangesMeet) {
  const MinuteListingPeriod day{{2024, 6, 1}, 1, kGreenwich};
  struct Case {
    double exact;
    int code;
    long listed;
  };
  const Case cases[] = {
      {720, 2, 720},      {719.6, 2, 720},    {719.4, 2, 719},    {720.4, 2, 720},
      {720.6, 2, 721},    {719, 2, 719},      {720, 7, 720},      {719.6, 7, 720},
      {719.4, 7, 719},    {720.4, 7, 720},
  };
  for (const Case& c : cases) {
    AppState state;
    for (int k = 1; k <= DiurnalOrbCount; ++k) state.options.DiurnalOrb[k] = k >= 6 ? 0.5f : 1;  // as shipped
    const ChartClock clock = ListingClockAt(day.place, day.first, c.exact);
    ChartSet moon;
    CalcPlanetPositions(MomentFromClock(clock), 1, moon);
    ChartSet& natal = state.chart.Natal;
    natal.Decl.fill(80);  // beyond every parallel
    natal.Long[Sun] = moon.Long[Moon];
    if (c.code == 7) {  // far from every longitude aspect all day
      natal.Long[Sun] = NormalizeDegrees(moon.Long[Moon] - 100);
      natal.Decl[Sun] = moon.Decl[Moon];
    }
    const std::string selection =
        WithSlot(WithSlot(std::string(SelectionLength, '0'), 10, true), NatalSelectionOffset + Sun, true);
    std::vector<MinuteAspect> byThreads[3];
    for (int threads : {1, 2}) {
      AppState copy = state;
      byThreads[threads] = FindMinuteAspects(copy, day, selection, {}, threads).value();
      // a parallel's contra-parallel falls elsewhere in the day
      std::erase_if(byThreads[threads], [](const MinuteAspect& a) { return a.contraParallel; });
    }
    const std::vector<MinuteAspect> expected{{c.listed, 10, 1, c.code, false}};
    EXPECT_EQ(byThreads[1], expected) << "one thread, exact at " << c.exact << ", code " << c.code;
    EXPECT_EQ(byThreads[2], expected) << "two threads, exact at " << c.exact << ", code " << c.code;
  }
}

// Ranges meeting at every listed minute m and at m + 1 of a day of the
// Moon against the whole natal chart list what one range lists.
TEST(MinuteListingThreads, RangesMeetingAtEveryListedMinute) {
  const AppState state = ShippedListingState();
  const MinuteListingPeriod day{{2024, 6, 1}, 1, kNewYork};
  std::string selection = IniSettings{}.TransitSelection;
  for (int slot = 1; slot <= ListingSlots; ++slot) selection = WithSlot(selection, slot, slot == 10);
  const MinuteAspectScan scan(state.chart.Natal, state.options.DiurnalOrb, selection);
  ChartSet working;
  const std::vector<MinuteAspect> whole = scan.Scan(day, state.tables, 0, 1440, working);
  ASSERT_GT(whole.size(), 10u);
  for (const MinuteAspect& a : whole) {
    for (long boundary : {a.minute, a.minute + 1}) {
      std::vector<MinuteAspect> joined = scan.Scan(day, state.tables, 0, boundary, working);
      const auto after = scan.Scan(day, state.tables, boundary, 1440, working);
      joined.insert(joined.end(), after.begin(), after.end());
      EXPECT_EQ(joined, whole) << "ranges meeting at minute " << boundary;
    }
  }
}

// A listing stopped in the middle (from its progress report, by a stop
// request or by an exception) lists nothing and leaves everything as the
// previous page left it.
TEST(MinuteListingThreads, StoppedListingLeavesTheStateAsItWas) {
  AppState state = ShippedListingState();
  state.chart.Working = state.chart.Transit;
  state.chart.clock.DayFraction = 0.125;
  StartNewPage(state);
  WriteLine(state, "the page before");
  const ChartSet working = state.chart.Working;
  const ReportBuffer report = state.report;
  const MinuteListingPeriod year{{2024, 6, 1}, 366, kNewYork};
  const long total = 366 * 1440L;

  struct Case {
    const char* what;
    bool stopFirst;  // asked to stop before the listing starts
    bool throwing;   // the progress report throws
  };
  for (const Case c : {Case{"stop asked for at the first report", false, false},
                       Case{"stop asked for before the start", true, false},
                       Case{"first report throws", false, true}}) {
    std::stop_source cancel;
    if (c.stopFirst) cancel.request_stop();
    std::vector<long> seen;
    const ListingProgress progress{[&](long done, long) {
                                     seen.push_back(done);
                                     if (c.throwing) throw std::runtime_error("stopped");
                                     cancel.request_stop();
                                   },
                                   cancel.get_token()};
    if (c.throwing)
      EXPECT_THROW(RunMinuteListing(state, year, progress, 2), std::runtime_error) << c.what;
    else
      EXPECT_FALSE(RunMinuteListing(state, year, progress, 2)) << c.what;
    if (c.stopFirst) {
      EXPECT_TRUE(seen.empty()) << c.what;
    } else {
      ASSERT_FALSE(seen.empty()) << c.what;
      EXPECT_LT(seen.front(), total) << c.what << ": in the middle";
    }
    EXPECT_TRUE(state.chart.Working == working) << c.what;
    EXPECT_EQ(state.chart.clock.DayFraction, 0.125) << c.what;
    EXPECT_EQ(std::tuple(state.report.PageLines, state.report.PageLineCount, state.report.DataLines,
                         state.report.DataLineCount),
              std::tuple(report.PageLines, report.PageLineCount, report.DataLines, report.DataLineCount))
        << c.what;
  }
}

}  // namespace
}  // namespace halcyra
