// Transits by the minute: a natal point placed where a transiting body
// stands at a known moment is listed at that minute (Moon, angles, zone
// clock, parallels); a zero diurnal orb switches its aspect off; the
// next-day pass stays off for the steps and the chart clock is not touched.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cstdlib>
#include <stdexcept>

#include "core/angle_helpers.h"
#include "core/ephemeris_driver.h"
#include "reports/golden_page.h"
#include "reports/listing_points.h"
#include "reports/minute_listing.h"
#include "reports/report_fixture.h"

namespace halcyra {
namespace {

constexpr ListingDay kDay{2024, 6, 1};

// 0 E, 51 degrees 30 minutes north, the zone in hours west.
ListingPlace Greenwich(double zoneHours) { return {zoneHours, 0, 51.30}; }

// The positions of our own ephemeris at a local minute of the day.
ChartSet PositionsAt(const ListingPlace& place, double localMinute, ChartClock* clockOut = nullptr) {
  const ChartClock clock = ListingClockAt(place, kDay, localMinute);
  ChartSet set;
  CalcPlanetPositions(MomentFromClock(clock), 1, set);
  if (clockOut) *clockOut = clock;
  return set;
}

// A state with the orbs of the shipped DIURNAL.ORB and nothing selected.
AppState ListingState() {
  AppState state;
  const float orbs[] = {0, 1, 1, 1, 1, 1, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
  for (int k = 0; k <= DiurnalOrbCount; ++k) state.options.DiurnalOrb[k] = orbs[k];
  for (double& d : state.chart.Natal.Decl) d = 80;  // out of every parallel's reach
  return state;
}

// The transiting slot and the natal Sun (slot 1) selected.
std::string Selecting(int transitSlot) {
  return WithSlot(WithSlot(std::string(SelectionLength, '0'), transitSlot, true), NatalSelectionOffset + 1, true);
}

TEST(MinuteListing, ListsAKnownExactAspectAtItsMinuteAndLeavesTheChartClock) {
  // transiting slot, zone (hours west), local minute at which the natal Sun
  // is placed, degrees added to the transiting longitude there, aspect code
  // and listed minute (source: the nearest whole minute)
  struct Case { const char* what; int slot; double zone, exactMinute, natalOffset; int code; long listed; };
  const Case cases[] = {
      {"Moon conjunct, zone 0", 10, 0, 754, 0, 2, 754},
      {"Moon conjunct, 4 hours west", 10, 4, 514, 0, 2, 514},
      {"Moon 20 s after the minute", 10, 0, 754 + 1.0 / 3, 0, 2, 754},
      {"Moon 40 s after the minute", 10, 0, 754 + 2.0 / 3, 0, 2, 755},
      {"Moon square, natal 90 ahead", 10, 0, 1000, 90, 4, 1000},
      {"Moon trine, natal 120 behind", 10, 0, 100, -120, 5, 100},
      {"ASC conjunct", SlotAscendant, 0, 557, 0, 2, 557},
      {"MC opposite", SlotMidheaven, 0, 1311, 180, 6, 1311},
  };
  for (const Case& c : cases) {
    AppState state = ListingState();
    ChartClock clock;
    const ChartSet at = PositionsAt(Greenwich(c.zone), c.exactMinute, &clock);
    state.chart.Natal.Long[Sun] = NormalizeDegrees(TransitSlotLongitude(at, clock, c.slot) + c.natalOffset);
    const auto found = FindMinuteAspects(state, {kDay, 1, Greenwich(c.zone)}, Selecting(c.slot)).value();
    // the angles come round to every aspect during the day: the one nearest
    const MinuteAspect* nearest = nullptr;
    for (const MinuteAspect& a : found)
      if (a.code == c.code && (!nearest || std::labs(a.minute - c.listed) < std::labs(nearest->minute - c.listed)))
        nearest = &a;
    ASSERT_NE(nearest, nullptr) << c.what;
    EXPECT_EQ(std::tuple(nearest->minute, nearest->transitSlot, nearest->natalSlot), std::tuple(c.listed, c.slot, 1))
        << c.what;
  }
  // A diurnal orb of 0 leaves its aspect out. The steps run without the
  // next-day pass (it flags the node) in sets of their own: the chart clock
  // stays as it was, also when the run is stopped from its progress report.
  AppState state = ListingState();
  state.options.DiurnalOrb[1] = 0;  // conjunction
  state.chart.Natal.Long[Sun] = PositionsAt(Greenwich(0), 754).Long[Moon];
  state.chart.clock.DayFraction = 0.125;  // the transit chart's time of day
  EXPECT_TRUE(FindMinuteAspects(state, {kDay, 1, Greenwich(0)}, Selecting(10)).value().empty());
  EXPECT_EQ(std::tuple(state.chart.SkipNextDay, state.chart.clock.DayFraction, state.chart.Working.RetroFlags),
            std::tuple(0, 0.125, std::string(NumPoints, ' ')));
  const ListingProgress stop{[](long, long) { throw std::runtime_error("stopped"); }, {}};
  EXPECT_THROW(FindMinuteAspects(state, {kDay, 1, Greenwich(0)}, Selecting(10), stop), std::runtime_error);
  EXPECT_EQ(std::pair(state.chart.SkipNextDay, state.chart.clock.DayFraction), std::pair(0, 0.125));
}

TEST(MinuteListing, ParallelsAndContraParallels) {
  for (bool contra : {false, true}) {
    AppState state = ListingState();
    const ChartSet at = PositionsAt(Greenwich(0), 754);
    // far from every longitude aspect all day: the Moon moves about 13 degrees
    state.chart.Natal.Long[Sun] = NormalizeDegrees(at.Long[Moon] - 100);
    state.chart.Natal.Decl[Sun] = contra ? -at.Decl[Moon] : at.Decl[Moon];
    const auto found = FindMinuteAspects(state, {kDay, 1, Greenwich(0)}, Selecting(10)).value();
    // that morning the Moon crosses the equator: at 02:30 its declination is
    // the natal one with the other sign, at 12:34 the natal one itself
    ASSERT_EQ(found.size(), 2u) << contra;
    EXPECT_EQ(std::tuple(found[0].code, found[0].minute, found[0].contraParallel), std::tuple(7, 150L, !contra));
    EXPECT_EQ(std::tuple(found[1].code, found[1].minute, found[1].contraParallel), std::tuple(7, 754L, contra));
  }
}

// The page of three aspects over three days (zone 4 west) under the
// fixture chart's header, and the page of none.
TEST(MinuteListing, Pages) {
  const MinuteListingPeriod period{kDay, 3, Greenwich(4)};
  AppState state;
  testing::FillFixtureChart(state);
  MinuteListingPage(state, period, {{514, 10, 1, 2, false}, {2 * 1440 + 75, SlotAscendant, 14, 4, false},
                                    {2 * 1440 + 80, 3, SlotVertex, 7, true}});
  EXPECT_TRUE(testing::MatchesGoldenPage("minute_listing", testing::PageLines(state)));
  LineCollector empty;
  WriteMinuteListing(empty, period, {});
  EXPECT_EQ(empty.lines.back(), "  None");
}

// The natal point at the Swiss Ephemeris' Moon of 1 June 2024 12:34 UT: our
// listing within one minute of it (the two Moons differ by a few seconds of arc).
TEST(MinuteListing, MoonAgainstTheSwissEphemeris) {
  swe_set_ephe_path(const_cast<char*>("/usr/share/libswe/ephe"));
  double xx[6];
  char error[256];
  ASSERT_GE(swe_calc_ut(swe_julday(2024, 6, 1, 12 + 34 / 60.0, SE_GREG_CAL), SE_MOON, SEFLG_SWIEPH, xx, error), 0)
      << error;
  swe_close();
  AppState state = ListingState();
  state.chart.Natal.Long[Sun] = xx[0];
  const auto found = FindMinuteAspects(state, {kDay, 1, Greenwich(0)}, Selecting(10)).value();
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NEAR(found[0].minute, 754, 1);
}

}  // namespace
}  // namespace halcyra
