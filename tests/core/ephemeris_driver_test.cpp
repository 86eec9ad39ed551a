// The ephemeris driver: the next-day pass and its switch, what a pass
// writes and leaves alone (the retrograde rule, across 0 Aries too, is
// checked against the Swiss Ephemeris's stations); and its agreement with a
// plain evaluation of the same series.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/calendar.h"
#include "ephemeris_reference.h"
#include "ephemeris_test_support.h"

namespace halcyra {
namespace {

using testing::MomentOf;

struct Pass {
  ChartSet set;
};

Pass RunPass(const EphemerisMoment& m, int skipNextDay) {
  Pass p;
  CalcPlanetPositions(m, skipNextDay, p.set);
  return p;
}

// SkipNextDay 1 blanks the flags and leaves the next-day values of an
// earlier pass; the first-pass results do not depend on the switch.
TEST(EphemerisDriver, SkippingTheNextDayKeepsEarlierNextDayValues) {
  const Pass full = RunPass(MomentOf(2451545, 0.3), 0);
  Pass skip = full;
  skip.set.RetroFlags = std::string(NumPoints, 'x');
  skip.set.LongNextDay[Mars] = 1.5;
  skip.set.MoonDeclNextDay = -7.5;
  CalcPlanetPositions(MomentOf(2451545 + 100, 0.3), 1, skip.set);
  EXPECT_EQ(skip.set.RetroFlags, std::string(NumPoints, ' '));
  EXPECT_EQ(skip.set.LongNextDay[Mars], 1.5);
  EXPECT_EQ(skip.set.LongNextDay[Moon], full.set.LongNextDay[Moon]);
  EXPECT_EQ(skip.set.MoonDeclNextDay, -7.5);

  const Pass fresh = RunPass(MomentOf(2451545 + 100, 0.3), 0);
  EXPECT_EQ(std::tie(skip.set.Long, skip.set.Decl), std::tie(fresh.set.Long, fresh.set.Decl));
}

// The next-day pass equals a pass one day later, except that Pluto keeps
// the first day's equinox shift (counted from the day number alone) and the
// Moon's declination the first day's obliquity (which moves about 4e-7
// degree a day).
TEST(EphemerisDriver, NextDayPassIsTheFollowingDay) {
  for (double jday : {2415387.0, 2440000.0, 2459945.0, 2473000.0}) {
    const Pass today = RunPass(MomentOf(jday, 0.75), 0);
    const Pass tomorrow = RunPass(MomentOf(jday + 1, 0.75), 1);
    for (int p = Sun; p <= NorthNode; ++p) {
      const double shift = p == Pluto ? 1.33 / 36525 : 0;
      const double diff = std::remainder(today.set.LongNextDay[p] + shift - tomorrow.set.Long[p], 360.0);
      EXPECT_NEAR(diff, 0, 1e-8) << "point " << p << " day " << jday;
    }
    EXPECT_NEAR(today.set.MoonDeclNextDay, tomorrow.set.Decl[Moon], 1e-6) << jday;
  }
}

// A pass writes the Part of Fortune and the angles from the moment; the Sun
// and Moon are never flagged retrograde, the mean node always is, and the
// derived points never are. Points the ephemeris does not own keep whatever
// they held.
TEST(EphemerisDriver, WritesItsOwnPointsAndLeavesTheRest) {
  Pass p;
  for (int q = 0; q <= NumPoints; ++q) {
    p.set.Long[q] = 1000 + q;
    p.set.Decl[q] = 2000 + q;
    p.set.Lat[q] = 3000 + q;
  }
  CalcPlanetPositions(MomentOf(2448000, 0.2, 300, 210.5), 0, p.set);
  const ChartSet& w = p.set;
  EXPECT_EQ(w.Long[PartOfFortune], NormalizeDegrees(w.Long[Moon] + 300 - w.Long[Sun]));
  EXPECT_EQ(std::tuple(w.Long[Ascendant], w.Long[Midheaven], p.set.Lat[Sun]),
            std::tuple(300, 210.5, 0));
  ASSERT_EQ(w.RetroFlags.size(), static_cast<std::size_t>(NumPoints));
  EXPECT_EQ(std::string() + w.RetroFlags[Sun - 1] + w.RetroFlags[Moon - 1] + w.RetroFlags[NorthNode - 1], "  R");
  EXPECT_EQ(w.RetroFlags.substr(PartOfFortune - 1), std::string(NumPoints - PartOfFortune + 1, ' '));
  for (int q : std::initializer_list<int>{Chiron, Lilith, TransPluto, Cupido, Poseidon, FirstHousePoint, LastHousePoint})
    EXPECT_EQ(w.Long[q], 1000 + q) << q;
  for (int q = NorthNode; q <= NumPoints; ++q) {
    EXPECT_EQ(w.Decl[q], 2000 + q) << q;
    EXPECT_EQ(p.set.Lat[q], 3000 + q) << q;
  }
}

// Agreement with the plain long double evaluation of the same series
// (ephemeris_reference.cpp) to 1e-9 degree, over 1200 moments from 1900 to
// 2064 at hours that walk through the day, the two epochs of the element
// sets and two years day by day: every longitude, latitude and declination a pass writes,
// today and one day on. The figure bounds what a faster evaluation may
// change; a wrong term, argument or reduction moves a value by far more.
TEST(EphemerisDriver, AgreesWithThePlainEvaluationTo1e9Degree) {
  constexpr double Tolerance = 1e-9;
  std::vector<EphemerisMoment> moments = {MomentOf(2415020, 0.5, 100, 10), MomentOf(2451545, 0.5, 100, 10)};
  const double first = DateToJulianDay(1900, 1, 1), last = DateToJulianDay(2064, 12, 31);
  constexpr int Steps = 1200;
  for (int k = 0; k < Steps; ++k)
    moments.push_back(MomentOf(std::floor(first + (last - first) * k / (Steps - 1)), (k * 0.377) - std::floor(k * 0.377),
                               (k * 37) % 360, (k * 53) % 360));
  // day by day through the years Uranus (1927) and Neptune (2025) cross
  // 0 Aries, where their longitude corrections carry a longitude across it
  for (int year : {1927, 2025})
    for (double jday = DateToJulianDay(year, 3, 1); jday < DateToJulianDay(year + 1, 3, 1); jday += 1)
      moments.push_back(MomentOf(jday, 0.5, 100, 10));

  // the worst deviation of each value over all moments, and where it was
  struct Worst {
    double deviation = 0;
    const EphemerisMoment* moment = nullptr;
  };
  std::map<std::pair<std::string, int>, Worst> worst;
  auto check = [&](const char* what, int point, double ours, long double reference, const EphemerisMoment& m) {
    const double deviation = std::fabs(std::remainder(static_cast<double>(ours - reference), 360.0));
    Worst& w = worst[{what, point}];
    if (deviation >= w.deviation) w = {deviation, &m};
  };
  for (const EphemerisMoment& m : moments) {
    const Pass p = RunPass(m, 0);
    const testing::ReferencePass r = testing::EvaluateReferencePass(m);
    for (int q = Sun; q <= PartOfFortune; ++q) check("longitude", q, p.set.Long[q], r.Long[q], m);
    for (int q = Sun; q <= NorthNode; ++q) check("next-day longitude", q, p.set.LongNextDay[q], r.NextDay[q], m);
    for (int q = Sun; q <= Moon; ++q) {
      check("latitude", q, p.set.Lat[q], r.Lat[q], m);
      check("declination", q, p.set.Decl[q], r.Decl[q], m);
    }
    check("next-day declination", Moon, p.set.MoonDeclNextDay, r.MoonDeclNextDay, m);
  }
  double worstOfAll = 0;
  for (const auto& [value, w] : worst) {
    EXPECT_LE(w.deviation, Tolerance) << value.first << " of point " << value.second << " at JD " << w.moment->JDay
                                      << " +" << w.moment->DayFraction;
    worstOfAll = std::max(worstOfAll, w.deviation);
  }
  std::ostringstream figure;
  figure << worstOfAll;
  ::testing::Test::RecordProperty("WorstDeviationDegrees", figure.str());
}

}  // namespace
}  // namespace halcyra
