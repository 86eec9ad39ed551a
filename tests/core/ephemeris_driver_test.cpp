// The ephemeris driver: the next-day switch, what a pass writes and leaves
// alone (the retrograde rule is checked against the Swiss Ephemeris's
// stations), and its agreement with a plain evaluation of the same series.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "ephemeris_reference.h"
#include "ephemeris_test_support.h"

namespace halcyra {
namespace {

using testing::MomentOf;

// SkipNextDay 1 blanks the flags and leaves the next-day values of an
// earlier pass. Points the ephemeris does not own keep whatever they held;
// the Sun and Moon are never flagged retrograde, the mean node always is.
TEST(EphemerisDriver, WritesItsOwnPointsAndLeavesTheRest) {
  ChartSet set;
  for (int q = 0; q <= NumPoints; ++q) {
    set.Long[q] = 1000 + q;
    set.Decl[q] = 2000 + q;
    set.Lat[q] = 3000 + q;
  }
  CalcPlanetPositions(MomentOf(2448000, 0.2, 300, 210.5), 0, set);
  ASSERT_EQ(set.RetroFlags.size(), static_cast<std::size_t>(NumPoints));
  EXPECT_EQ(std::string() + set.RetroFlags[Sun - 1] + set.RetroFlags[Moon - 1] + set.RetroFlags[NorthNode - 1], "  R");
  EXPECT_EQ(set.RetroFlags.substr(PartOfFortune - 1), std::string(NumPoints - PartOfFortune + 1, ' '));
  for (int q : std::initializer_list<int>{Chiron, Lilith, TransPluto, Cupido, Poseidon, FirstHousePoint, LastHousePoint})
    EXPECT_EQ(set.Long[q], 1000 + q) << q;
  for (int q = NorthNode; q <= NumPoints; ++q) {
    EXPECT_EQ(set.Decl[q], 2000 + q) << q;
    EXPECT_EQ(set.Lat[q], 3000 + q) << q;
  }

  const ChartSet before = set;
  set.RetroFlags = std::string(NumPoints, 'x');
  CalcPlanetPositions(MomentOf(2448100, 0.2), 1, set);
  EXPECT_EQ(set.RetroFlags, std::string(NumPoints, ' '));
  EXPECT_EQ(set.LongNextDay, before.LongNextDay);
  EXPECT_EQ(set.MoonDeclNextDay, before.MoonDeclNextDay);
}

// Agreement with the plain long double evaluation of the same series
// (ephemeris_reference.cpp) to 1e-9 degree, over 1200 moments from 1900 to
// 2064 at hours that walk through the day, the two epochs of the element
// sets and two years day by day: every longitude, latitude and declination
// a pass writes, today and one day on. The figure bounds what a faster
// evaluation may change; a wrong term, argument or reduction moves a value
// by far more.
TEST(EphemerisDriver, AgreesWithThePlainEvaluationTo1e9Degree) {
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

  double worst = 0;
  std::ostringstream where;
  where.precision(12);
  auto check = [&](const char* what, int point, double ours, long double reference, const EphemerisMoment& m) {
    const double deviation = std::fabs(std::remainder(static_cast<double>(ours - reference), 360.0));
    if (deviation <= worst) return;
    worst = deviation;
    where.str("");
    where << what << " of point " << point << " at JD " << m.JDay << " +" << m.DayFraction;
  };
  for (const EphemerisMoment& m : moments) {
    ChartSet set;
    CalcPlanetPositions(m, 0, set);
    const testing::ReferencePass r = testing::EvaluateReferencePass(m);
    for (int q = Sun; q <= Midheaven; ++q)
      if (q != Chiron) check("longitude", q, set.Long[q], r.Long[q], m);
    for (int q = Sun; q <= NorthNode; ++q) check("next-day longitude", q, set.LongNextDay[q], r.NextDay[q], m);
    for (int q = Sun; q <= Moon; ++q) {
      check("latitude", q, set.Lat[q], r.Lat[q], m);
      check("declination", q, set.Decl[q], r.Decl[q], m);
    }
    check("next-day declination", Moon, set.MoonDeclNextDay, r.MoonDeclNextDay, m);
  }
  EXPECT_LE(worst, 1e-9) << where.str();
  std::ostringstream figure;
  figure << worst;
  ::testing::Test::RecordProperty("WorstDeviationDegrees", figure.str());
}

}  // namespace
}  // namespace halcyra
