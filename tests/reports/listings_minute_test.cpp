// Transits by the minute: a natal point placed where a transiting body
// stands at a known moment must be listed at that minute, for the Moon and
// the Ascendant, in the local clock of the zone, and for a parallel; the
// diurnal orbs switch aspects off; the ephemeris' next-day pass stays off
// for the steps and its switch is put back; and the page's columns.
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "core/angle_helpers.h"
#include "core/ephemeris_driver.h"
#include "reports/listing_points.h"
#include "reports/minute_listing.h"
#include "reports/skip_next_day_scope.h"

#ifdef HALCYRA_HAVE_SWE
#include <swephexp.h>
#endif

namespace halcyra {
namespace {

constexpr ListingDay kDay{2024, 6, 1};

ListingPlace Greenwich(double zoneHours) {
  ListingPlace p;
  p.zoneHours = zoneHours;
  p.geoLong = 0;
  p.geoLat = 51.30;  // 51 degrees 30 minutes north
  return p;
}

// The working set of our own ephemeris at a local minute of the day.
WorkingSet PositionsAt(const ListingPlace& place, double localMinute, ChartClock* clockOut = nullptr) {
  const ChartClock clock = ListingClockAt(place, kDay, localMinute);
  WorkingSet work;
  EphemerisState ephem;
  CalcPlanetPositions(MomentFromClock(clock), 1, work, ephem);
  if (clockOut) *clockOut = clock;
  return work;
}

// A state with the orbs of the shipped DIURNAL.ORB and nothing selected.
AppState ListingState() {
  AppState state;
  const float orbs[] = {0, 1, 1, 1, 1, 1, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
  for (int k = 0; k <= DiurnalOrbCount; ++k) state.options.DiurnalOrb[k] = orbs[k];
  for (double& d : state.chart.natal.NatalDecl) d = 80;  // out of every parallel's reach
  return state;
}

std::string Selecting(int transitSlot, int natalSlot) {
  std::string s(SelectionLength, '0');
  s = WithSlot(s, transitSlot, true);
  return WithSlot(s, NatalSelectionOffset + natalSlot, true);
}

struct ExactCase {
  const char* what;
  int transitSlot;
  double zone;          // hours west
  double exactMinute;   // local minute at which the natal point is placed
  double natalOffset;   // degrees added to the transiting longitude there
  int code;
  long listedMinute;    // source: the nearest whole minute
};

TEST(MinuteListing, ListsAKnownExactAspectAtItsMinute) {
  const ExactCase cases[] = {
      {"Moon conjunct, zone 0", 10, 0, 754, 0, 2, 754},
      {"Moon conjunct, 4 hours west", 10, 4, 514, 0, 2, 514},
      {"Moon 20 s after the minute", 10, 0, 754 + 1.0 / 3, 0, 2, 754},
      {"Moon 40 s after the minute", 10, 0, 754 + 2.0 / 3, 0, 2, 755},
      {"Moon square, natal 90 ahead", 10, 0, 1000, 90, 4, 1000},
      {"Moon trine, natal 120 behind", 10, 0, 100, -120, 5, 100},
      {"ASC conjunct", SlotAscendant, 0, 557, 0, 2, 557},
      {"MC opposite", SlotMidheaven, 0, 1311, 180, 6, 1311},
  };
  for (const ExactCase& c : cases) {
    AppState state = ListingState();
    const ListingPlace place = Greenwich(c.zone);
    ChartClock clock;
    const WorkingSet at = PositionsAt(place, c.exactMinute, &clock);
    state.chart.natal.NatalLong[Sun] =
        NormalizeDegrees(TransitSlotLongitude(at, clock, c.transitSlot) + c.natalOffset);
    MinuteListingPeriod period{kDay, 1, place};
    const auto found = FindMinuteAspects(state, period, Selecting(c.transitSlot, 1));
    // the angles come round to every aspect during the day: the one nearest
    const MinuteAspect* nearest = nullptr;
    for (const MinuteAspect& a : found)
      if (a.code == c.code &&
          (!nearest || std::labs(a.minute - c.listedMinute) < std::labs(nearest->minute - c.listedMinute)))
        nearest = &a;
    ASSERT_NE(nearest, nullptr) << c.what;
    EXPECT_EQ(nearest->minute, c.listedMinute) << c.what;
    EXPECT_EQ(nearest->transitSlot, c.transitSlot) << c.what;
    EXPECT_EQ(nearest->natalSlot, 1) << c.what;
  }
}

TEST(MinuteListing, ParallelsAndContraParallels) {
  for (bool contra : {false, true}) {
    AppState state = ListingState();
    const ListingPlace place = Greenwich(0);
    const WorkingSet at = PositionsAt(place, 754);
    // far from every longitude aspect all day: the Moon moves about 13 degrees
    state.chart.natal.NatalLong[Sun] = NormalizeDegrees(at.PointLong[Moon] - 100);
    state.chart.natal.NatalDecl[Sun] = contra ? -at.PointDecl[Moon] : at.PointDecl[Moon];
    const auto found = FindMinuteAspects(state, {kDay, 1, place}, Selecting(10, 1));
    // that morning the Moon crosses the equator: at 02:30 its declination is
    // the natal one with the other sign, at 12:34 the natal one itself
    ASSERT_EQ(found.size(), 2u) << contra;
    EXPECT_EQ(found[0].code, 7);
    EXPECT_EQ(found[0].minute, 150);
    EXPECT_EQ(found[0].contraParallel, !contra);
    EXPECT_EQ(found[1].code, 7);
    EXPECT_EQ(found[1].minute, 754);
    EXPECT_EQ(found[1].contraParallel, contra);
  }
}

TEST(MinuteListing, AnOrbOfZeroLeavesTheAspectOut) {
  AppState state = ListingState();
  state.options.DiurnalOrb[1] = 0;  // conjunction
  const ListingPlace place = Greenwich(0);
  state.chart.natal.NatalLong[Sun] = PositionsAt(place, 754).PointLong[Moon];
  EXPECT_TRUE(FindMinuteAspects(state, {kDay, 1, place}, Selecting(10, 1)).empty());
}

TEST(MinuteListing, StepsRunWithoutTheNextDayPassAndPutTheSwitchAndClockBack) {
  AppState state = ListingState();
  state.chart.SkipNextDay = 0;
  state.chart.clock.DayFraction = 0.125;  // the transit chart's time of day
  long lastDone = 0, lastTotal = 0, reports = 0;
  ListingProgress progress;
  progress.every = 240;
  progress.report = [&](long done, long total) {
    lastDone = done;
    lastTotal = total;
    ++reports;
  };
  FindMinuteAspects(state, {kDay, 2, Greenwich(0)}, Selecting(10, 1), progress);
  EXPECT_EQ(state.chart.SkipNextDay, 0);
  EXPECT_EQ(state.chart.clock.DayFraction, 0.125);  // the chart's clock is put back
  // the node is flagged whenever the next-day pass runs
  EXPECT_EQ(state.chart.work.RetroFlags, std::string(NumPoints, ' '));
  EXPECT_EQ(lastDone, 2880);
  EXPECT_EQ(lastTotal, 2880);
  EXPECT_EQ(reports, 12);

  // a step ended by an exception still puts the switch back
  try {
    SkipNextDayScope skip(state.chart);
    EXPECT_EQ(state.chart.SkipNextDay, 1);
    throw std::runtime_error("step failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(state.chart.SkipNextDay, 0);

  // so does a run stopped from its progress report
  progress.report = [](long, long) { throw std::runtime_error("stopped"); };
  EXPECT_THROW(FindMinuteAspects(state, {kDay, 1, Greenwich(0)}, Selecting(10, 1), progress),
               std::runtime_error);
  EXPECT_EQ(state.chart.SkipNextDay, 0);
}

TEST(MinuteListing, Page) {
  AppState state = ListingState();
  state.chart.ChartName = "Test";
  MinuteListingPeriod period{kDay, 3, Greenwich(4)};
  const std::vector<MinuteAspect> aspects = {{514, 10, 1, 2, false},
                                             {2 * 1440 + 75, SlotAscendant, 14, 4, false},
                                             {2 * 1440 + 80, 3, SlotVertex, 7, true}};
  WriteMinuteListing(state, period, aspects);
  std::vector<std::string> page(state.report.PageLines.begin(),
                                state.report.PageLines.begin() + state.report.PageLineCount);
  ASSERT_EQ(page.size(), 14u);
  EXPECT_EQ(page[4], "               TRANSITS BY THE MINUTE");
  EXPECT_EQ(page[6], "  From 01 Jun 2024 00:00 to 03 Jun 2024 23:59   TZ =   4.00");
  EXPECT_EQ(page[7], "  Transit place 51.30 NORTH     0.00 WEST");
  EXPECT_EQ(page[9], "  Date         Time   Transiting  Aspect      Natal");
  EXPECT_EQ(page[11], "  01 Jun 2024  08:34  Moon        conjunct    Sun       ");
  EXPECT_EQ(page[12], "  03 Jun 2024  01:15  ASC         square      Lilith    ");
  EXPECT_EQ(page[13], "  03 Jun 2024  01:20  Venus       PARALLEL    Vertex      CP");

  AppState empty = ListingState();
  WriteMinuteListing(empty, period, {});
  EXPECT_EQ(empty.report.PageLines[empty.report.PageLineCount - 1], "  None");
}

#ifdef HALCYRA_HAVE_SWE
// The natal point at the Swiss Ephemeris' Moon of 1 June 2024 12:34 UT: our
// listing within one minute of it (the two Moons differ by a few seconds of arc).
TEST(MinuteListing, MoonAgainstTheSwissEphemeris) {
  swe_set_ephe_path(const_cast<char*>("/usr/share/libswe/ephe"));
  double xx[6];
  char error[256];
  const double jd = swe_julday(2024, 6, 1, 12 + 34 / 60.0, SE_GREG_CAL);
  ASSERT_GE(swe_calc_ut(jd, SE_MOON, SEFLG_SWIEPH, xx, error), 0) << error;
  swe_close();
  AppState state = ListingState();
  state.chart.natal.NatalLong[Sun] = xx[0];
  const auto found = FindMinuteAspects(state, {kDay, 1, Greenwich(0)}, Selecting(10, 1));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NEAR(found[0].minute, 754, 1);
}
#endif

}  // namespace
}  // namespace halcyra
