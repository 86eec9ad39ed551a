// Transits by the minute: a natal point where a transiting body stands at a
// known moment is listed at that minute; any number of threads, or ranges
// meeting at a perfected aspect, list what one range lists; a stopped
// listing leaves the chart state, the page and the data buffer as they were.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cstdlib>
#include <stdexcept>
#include <stop_token>

#include "core/angle_helpers.h"
#include "core/calendar.h"
#include "core/ephemeris_driver.h"
#include "reports/golden_page.h"
#include "reports/listing_points.h"
#include "reports/minute_listing.h"
#include "reports/report_fixture.h"
#include "shell/report_output.h"
#include "shell/settings_files.h"
#include "shell/startup_data.h"
#include "state/moment.h"
#include "support/allocation_faults.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

constexpr ListingDay kDay{2024, 6, 1};
const ListingPlace kGreenwich{0, Place::FromDotMinutes(0, 51.30)};
const ListingPlace kNewYork{4, Place::FromDotMinutes(74.00, 40.43)};

// The orbs of the shipped DIURNAL.ORB; every natal declination out of a parallel's reach.
AppState ListingState() {
  AppState state;
  for (int k = 1; k <= DiurnalOrbCount; ++k) state.options.DiurnalOrb[k] = k >= 6 ? 0.5f : 1;
  state.chart.Natal.Decl.fill(80);
  return state;
}

// The fixture's natal chart with the program's start-up tables (so the
// table-driven bodies transit too) and its DIURNAL.ORB.
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

// The transiting slot and the natal Sun (slot 1) selected.
std::string Selecting(int transitSlot) {
  return WithSlot(WithSlot(std::string(SelectionLength, '0'), transitSlot, true), NatalSelectionOffset + 1, true);
}

// Our own ephemeris' positions at a local minute of kDay.
ChartSet PositionsAt(const ListingPlace& place, double localMinute, ChartClock* clockOut = nullptr) {
  const ChartClock clock = ListingClockAt(place, kDay, localMinute);
  ChartSet set;
  CalcPlanetPositions(MomentFromClock(clock), 1, set);
  if (clockOut) *clockOut = clock;
  return set;
}

std::vector<MinuteAspect> ListDay(AppState& state, int slot, const ListingPlace& place = kGreenwich) {
  return FindMinuteAspects(state, {kDay, 1, place}, Selecting(slot)).value();
}

TEST(MinuteListing, ListsAKnownExactAspectAtItsMinuteAndLeavesTheChartClock) {
  // transiting slot, zone, local minute at which the natal Sun is placed,
  // degrees added to the transiting longitude there, aspect code
  struct Case { const char* what; int slot; double zone; long minute; double natalOffset; int code; };
  const Case cases[] = {
      {"Moon conjunct, 4 hours west", 10, 4, 514, 0, 2},         {"Moon square, natal 90 ahead", 10, 0, 1000, 90, 4},
      {"Moon trine, natal 120 behind", 10, 0, 100, -120, 5},     {"ASC conjunct", SlotAscendant, 0, 557, 0, 2},
      {"MC opposite", SlotMidheaven, 0, 1311, 180, 6},
  };
  for (const Case& c : cases) {
    AppState state = ListingState();
    const ListingPlace place{c.zone, Place::FromDotMinutes(0, 51.30)};
    ChartClock clock;
    const ChartSet at = PositionsAt(place, c.minute, &clock);
    state.chart.Natal.Long[Sun] = NormalizeDegrees(TransitSlotLongitude(at, clock, c.slot) + c.natalOffset);
    // the angles come round to every aspect during the day: the one nearest
    const MinuteAspect* nearest = nullptr;
    const auto found = ListDay(state, c.slot, place);
    for (const MinuteAspect& a : found)
      if (a.code == c.code && (!nearest || std::labs(a.minute - c.minute) < std::labs(nearest->minute - c.minute)))
        nearest = &a;
    ASSERT_NE(nearest, nullptr) << c.what;
    EXPECT_EQ(std::tuple(nearest->minute, nearest->transitSlot, nearest->natalSlot), std::tuple(c.minute, c.slot, 1))
        << c.what;
  }
  // The natal point at the Swiss Ephemeris' Moon of 12:34 UT: listed within
  // one minute of it (the two Moons differ by a few seconds of arc).
  swe_set_ephe_path(const_cast<char*>("/usr/share/libswe/ephe"));
  double xx[6];
  char error[256];
  ASSERT_GE(swe_calc_ut(swe_julday(2024, 6, 1, 12 + 34 / 60.0, SE_GREG_CAL), SE_MOON, SEFLG_SWIEPH, xx, error), 0)
      << error;
  swe_close();
  AppState swiss = ListingState();
  swiss.chart.Natal.Long[Sun] = xx[0];
  const auto found = ListDay(swiss, 10);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NEAR(found[0].minute, 754, 1);

  // A diurnal orb of 0 leaves its aspect out. The steps run in sets of their
  // own without the next-day pass (it flags the node): the chart clock stays.
  AppState state = ListingState();
  state.options.DiurnalOrb[1] = 0;  // conjunction
  state.chart.Natal.Long[Sun] = PositionsAt(kGreenwich, 754).Long[Moon];
  state.chart.clock.DayFraction = 0.125;  // the transit chart's time of day
  EXPECT_TRUE(ListDay(state, 10).empty());
  EXPECT_EQ(std::tuple(state.chart.SkipNextDay, state.chart.clock.DayFraction, state.chart.Working.RetroFlags),
            std::tuple(0, 0.125, std::string(NumPoints, ' ')));
}

TEST(MinuteListing, ParallelsAndContraParallels) {
  for (bool contra : {false, true}) {
    AppState state = ListingState();
    const ChartSet at = PositionsAt(kGreenwich, 754);
    // far from every longitude aspect all day: the Moon moves about 13 degrees
    state.chart.Natal.Long[Sun] = NormalizeDegrees(at.Long[Moon] - 100);
    state.chart.Natal.Decl[Sun] = contra ? -at.Decl[Moon] : at.Decl[Moon];
    const auto found = ListDay(state, 10);
    // that morning the Moon crosses the equator: at 02:30 its declination is
    // the natal one with the other sign, at 12:34 the natal one itself
    ASSERT_EQ(found.size(), 2u) << contra;
    EXPECT_EQ(found[0], (MinuteAspect{150, 10, 1, 7, !contra}));
    EXPECT_EQ(found[1], (MinuteAspect{754, 10, 1, 7, contra}));
  }
}

// Three aspects over three days (zone 4 west) under the fixture's header; none.
TEST(MinuteListing, Pages) {
  const MinuteListingPeriod period{kDay, 3, {4, Place::FromDotMinutes(0, 51.30)}};
  AppState state;
  testing::FillFixtureChart(state);
  MinuteListingPage(state, period, {{514, 10, 1, 2, false}, {2 * 1440 + 75, SlotAscendant, 14, 4, false},
                                    {2 * 1440 + 80, 3, SlotVertex, 7, true}});
  EXPECT_TRUE(testing::MatchesGoldenPage("minute_listing", testing::PageLines(state)));
  LineCollector empty;
  WriteMinuteListing(empty, period, {});
  EXPECT_EQ(empty.lines.back(), "  None");
}

// Every first day of 1581 to 1583, every day of a period of up to 400 days:
// a real date, the first day's number plus the days gone by, so each is
// listed once and in order across 4/15 October 1582; 3 hours east, the first
// hours fall on the universal day before. The page of 31 days from 1 October.
TEST(ListingClock, EachDayOnceAndInOrderAcrossTheCalendarSwitch) {
  const ListingPlace east{-3, Place::FromDotMinutes(-30.00, 50.00)};
  for (double first = DateToJulianDay(1581, 1, 1); first <= DateToJulianDay(1583, 12, 31); ++first) {
    const CivilDate date = CivilDateOf(first);
    const ListingDay day{WholeOf(date.Year), WholeOf(date.Month), WholeOf(date.Day)};
    for (long k = 0; k <= 400; ++k) {
      const ListingDay got = DayOfMinute(day, k * 1440 + 1439);
      ASSERT_TRUE(DateExists(got.year, got.month, got.day) && DateToJulianDay(got.year, got.month, got.day) == first + k)
          << k << " days from " << first << ": " << got.year << "-" << got.month << "-" << got.day;
      ASSERT_NEAR(ListingClockAt(east, day, k * 1440.0).ListJulianDay, first + k - 0.625, 1e-9) << k << " " << first;
    }
  }
  LineCollector page;
  WriteMinuteListing(page, {{1582, 10, 1}, 31, east}, {{4 * 1440 - 1, 10, 1, 2, false}, {4 * 1440, 10, 1, 2, false}});
  EXPECT_EQ(page.lines[3].substr(0, 46), "  From 01 Oct 1582 00:00 to 10 Nov 1582 23:59 ");
  EXPECT_EQ(page.lines[8].substr(0, 20) + page.lines[9].substr(0, 20), "  04 Oct 1582  23:59  15 Oct 1582  00:00");
}

struct Listed {
  std::vector<MinuteAspect> aspects;
  std::vector<std::string> page;
  ChartSet working;  // the working set the listing leaves
  std::vector<std::pair<long, long>> progress;
};

Listed ListOn(int threads, const MinuteListingPeriod& period) {
  AppState state = ShippedListingState();
  Listed listed;
  const ListingProgress progress{[&](long done, long total) { listed.progress.emplace_back(done, total); }, {}};
  listed.aspects = FindMinuteAspects(state, period, IniSettings{}.TransitSelection, progress, threads).value();
  EXPECT_TRUE(std::is_sorted(listed.aspects.begin(), listed.aspects.end(), ListedBefore));
  LineCollector page;
  WriteMinuteListing(page, period, listed.aspects, threads);
  listed.page = page.lines;
  listed.working = state.chart.Working;
  return listed;
}

// The options window's default selection. The ranges of 2, 3 and 8
// threads end inside days, at other minutes for each count.
TEST(MinuteListingThreads, PageOfSeveralThreadsIsThePageOfOne) {
  const struct { const char* what; MinuteListingPeriod period; } cases[] = {
      {"29 Jun to 1 Jul 2024, New York", {{2024, 6, 29}, 3, kNewYork}},
      {"31 Dec 2024, 7 hours east: the local day starts on 30 Dec in universal time",
       {{2024, 12, 31}, 1, {-7, Place::FromDotMinutes(-105.00, 13.45)}}},
      {"15 Jan to 14 Feb 2024, 34 36 S 58 27 W", {{2024, 1, 15}, 31, {3, Place::FromDotMinutes(58.27, -34.36)}}},
  };
  for (const auto& c : cases) {
    const Listed one = ListOn(1, c.period);
    ASSERT_GT(one.aspects.size(), 100u) << c.what;
    for (int threads : {2, 3, 8}) {
      const Listed several = ListOn(threads, c.period);
      EXPECT_EQ(several.page, one.page) << c.what << ", " << threads << " threads";
      EXPECT_TRUE(several.working == one.working) << c.what << ", " << threads << " threads";
      // never back, and at the end all of it
      const long total = c.period.days * 1440L;
      ASSERT_FALSE(several.progress.empty());
      EXPECT_EQ(several.progress.back(), std::pair(total, total)) << c.what;
      EXPECT_TRUE(std::is_sorted(several.progress.begin(), several.progress.end())) << c.what;
    }
  }
}

// Two threads split a day at minute 720: a natal point where the Moon stands
// at `exact` (or at its declination there) is listed once, at the nearer whole
// minute, by whichever range holds that minute.
TEST(MinuteListingThreads, AspectPerfectedWhereTwoRangesMeet) {
  const struct { double exact; int code; long listed; } cases[] = {
      {720, 2, 720},   {719.6, 2, 720}, {719.4, 2, 719}, {720.4, 2, 720}, {720.6, 2, 721},
      {719, 2, 719},   {720, 7, 720},   {719.6, 7, 720}, {719.4, 7, 719}, {720.4, 7, 720},
  };
  for (const auto& c : cases) {
    AppState state = ListingState();
    const ChartSet moon = PositionsAt(kGreenwich, c.exact);
    // the parallel far from every longitude aspect all day
    state.chart.Natal.Long[Sun] = NormalizeDegrees(moon.Long[Moon] - (c.code == 7 ? 100 : 0));
    if (c.code == 7) state.chart.Natal.Decl[Sun] = moon.Decl[Moon];
    auto found = FindMinuteAspects(state, {kDay, 1, kGreenwich}, Selecting(10), {}, 2).value();
    std::erase_if(found, [](const MinuteAspect& a) { return a.contraParallel; });  // elsewhere in the day
    EXPECT_EQ(found, (std::vector<MinuteAspect>{{c.listed, 10, 1, c.code, false}})) << c.exact << ", code " << c.code;
  }
}

// Ranges meeting at every listed minute m and at m + 1 of a day of the
// Moon against the whole natal chart list what one range lists.
TEST(MinuteListingThreads, RangesMeetingAtEveryListedMinute) {
  const AppState state = ShippedListingState();
  const MinuteListingPeriod day{kDay, 1, kNewYork};
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

// Stopped from its progress report, by a stop request or by an exception,
// or by memory running out.
TEST(MinuteListingThreads, StoppedListingLeavesTheStateAsItWas) {
  AppState state = ShippedListingState();
  state.chart.Working = state.chart.Transit;
  state.chart.clock.DayFraction = 0.125;
  StartNewPage(state);
  WriteLine(state, "the page before");
  const ChartSet working = state.chart.Working;
  const ReportBuffer report = state.report;
  const MinuteListingPeriod year{kDay, 366, kNewYork};
  const struct { const char* what; bool stopFirst, throwing, noMemory = false; } cases[] = {
      {"stop asked for at the first report", false, false}, {"stop asked for before the start", true, false},
      {"first report throws", false, true}, {"no memory for a month's lines", false, false, true}};
  for (const auto& c : cases) {
    if (c.noMemory) {  // its aspects take a megabyte, then their lines more
      const testing::FailingAllocations noMemory({.skip = 1, .on = testing::AllocationFaults::On::ThisThread});
      EXPECT_THROW(RunMinuteListing(state, {kDay, 31, kNewYork}, {}, 2), std::bad_alloc);
      EXPECT_EQ(noMemory.Refused(), 1);
    }
    std::stop_source cancel;
    if (c.stopFirst) cancel.request_stop();
    std::vector<long> seen;
    const ListingProgress progress{[&](long done, long) {
                                     seen.push_back(done);
                                     if (c.throwing) throw std::runtime_error("stopped");
                                     cancel.request_stop();
                                   },
                                   cancel.get_token()};
    if (c.throwing) {
      EXPECT_THROW(RunMinuteListing(state, year, progress, 2), std::runtime_error) << c.what;
    } else if (!c.noMemory) {
      EXPECT_FALSE(RunMinuteListing(state, year, progress, 2)) << c.what;
    }
    // never asked for progress when stopped before the start, else stopped in the middle
    EXPECT_EQ(seen.empty(), c.stopFirst || c.noMemory) << c.what;
    if (!seen.empty()) {
      EXPECT_LT(seen.front(), 366 * 1440L) << c.what;
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
