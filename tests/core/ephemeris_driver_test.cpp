// The ephemeris driver: the next-day pass and its switch, what a pass
// writes and leaves alone (the retrograde rule, across 0 Aries too, is
// checked against the Swiss Ephemeris's stations); and the bits of the
// results, which the speed-ups must leave alone.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <tuple>

#include "ephemeris_test_support.h"

namespace halcyra {
namespace {

using testing::MomentOf;

struct Pass {
  WorkingSet work;
  EphemerisState ephem;
};

Pass RunPass(const EphemerisMoment& m, int skipNextDay) {
  Pass p;
  CalcPlanetPositions(m, skipNextDay, p.work, p.ephem);
  return p;
}

// SkipNextDay 1 blanks the flags and leaves the next-day values of an
// earlier pass; the first-pass results do not depend on the switch.
TEST(EphemerisDriver, SkippingTheNextDayKeepsEarlierNextDayValues) {
  const Pass full = RunPass(MomentOf(2451545, 0.3), 0);
  Pass skip = full;
  skip.work.RetroFlags = std::string(NumPoints, 'x');
  skip.work.PointLongNextDay[Mars] = 1.5;
  skip.ephem.MoonDeclNextDay = -7.5;
  CalcPlanetPositions(MomentOf(2451545 + 100, 0.3), 1, skip.work, skip.ephem);
  EXPECT_EQ(skip.work.RetroFlags, std::string(NumPoints, ' '));
  EXPECT_EQ(skip.work.PointLongNextDay[Mars], 1.5);
  EXPECT_EQ(skip.work.PointLongNextDay[Moon], full.work.PointLongNextDay[Moon]);
  EXPECT_EQ(skip.ephem.MoonDeclNextDay, -7.5);

  const Pass fresh = RunPass(MomentOf(2451545 + 100, 0.3), 0);
  EXPECT_EQ(std::tie(skip.work.PointLong, skip.work.PointDecl), std::tie(fresh.work.PointLong, fresh.work.PointDecl));
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
      const double diff = std::remainder(today.work.PointLongNextDay[p] + shift - tomorrow.work.PointLong[p], 360.0);
      EXPECT_NEAR(diff, 0, 1e-8) << "point " << p << " day " << jday;
    }
    EXPECT_NEAR(today.ephem.MoonDeclNextDay, tomorrow.work.PointDecl[Moon], 1e-6) << jday;
  }
}

// A pass writes the Part of Fortune and the angles from the moment; the Sun
// and Moon are never flagged retrograde, the mean node always is, and the
// derived points never are. Points the ephemeris does not own keep whatever
// they held.
TEST(EphemerisDriver, WritesItsOwnPointsAndLeavesTheRest) {
  Pass p;
  for (int q = 0; q <= NumPoints; ++q) {
    p.work.PointLong[q] = 1000 + q;
    p.work.PointDecl[q] = 2000 + q;
    p.ephem.PointLat[q] = 3000 + q;
  }
  CalcPlanetPositions(MomentOf(2448000, 0.2, 300, 210.5), 0, p.work, p.ephem);
  const WorkingSet& w = p.work;
  EXPECT_EQ(w.PointLong[PartOfFortune], NormalizeDegrees(w.PointLong[Moon] + 300 - w.PointLong[Sun]));
  EXPECT_EQ(std::tuple(w.PointLong[Ascendant], w.PointLong[Midheaven], p.ephem.PointLat[Sun]),
            std::tuple(300, 210.5, 0));
  ASSERT_EQ(w.RetroFlags.size(), static_cast<std::size_t>(NumPoints));
  EXPECT_EQ(std::string() + w.RetroFlags[Sun - 1] + w.RetroFlags[Moon - 1] + w.RetroFlags[NorthNode - 1], "  R");
  EXPECT_EQ(w.RetroFlags.substr(PartOfFortune - 1), std::string(NumPoints - PartOfFortune + 1, ' '));
  for (int q : std::initializer_list<int>{Chiron, Lilith, TransPluto, Cupido, Poseidon, FirstHousePoint, LastHousePoint})
    EXPECT_EQ(w.PointLong[q], 1000 + q) << q;
  for (int q = NorthNode; q <= NumPoints; ++q) {
    EXPECT_EQ(w.PointDecl[q], 2000 + q) << q;
    EXPECT_EQ(p.ephem.PointLat[q], 3000 + q) << q;
  }
}

// Bit patterns of three passes as this implementation gives them with
// Debian 12's C library (hexadecimal floating point): a change of the
// order of summation or of a reused sine shows up here, so a speed-up must
// leave them alone. They say nothing about accuracy; the comparison with
// the Swiss Ephemeris does.
struct PinnedPass {
  double jday, dayFraction;
  double lon[11], nextDay[11], decl[10];  // points 1..11, 1..11, 1..10
};
const PinnedPass PinnedPasses[] = {
    {2415021, 0.5, {0x1.18a9cb55e70ecp+8, 0x1.03a4821edba14p+8, 0x1.3300e299bf51fp+8, 0x1.1c41b63b59b8bp+8, 0x1.e279403dee83dp+7, 0x1.0bc3f62a2724p+8, 0x1.f45869b9de7f8p+7, 0x1.54cbd311643cbp+6, 0x1.2d1f2deeb6bf2p+6, 0x1.179ecd985ba21p+8, 0x1.03215cb8df2dcp+8},
     {0x1.19aedd533a375p+8, 0x1.04f1c16126f46p+8, 0x1.343f09dec7386p+8, 0x1.1d0710becbd5p+8, 0x1.e2dcbcd14ec0ep+7, 0x1.0be1a77b12ff2p+8, 0x1.f474778b8bc8fp+7, 0x1.54b0320a26ce8p+6, 0x1.2d0d83e8d799bp+6, 0x1.2636faac81224p+8, 0x1.0313ce557b326p+8},
     {-0x1.706151cdc8a61p+4, -0x1.5ff06eb9289b3p+4, -0x1.429beffb2e0cep+4, -0x1.79ca9c13fb18cp+4, -0x1.39f3589e8682ap+4, -0x1.66ce3b052f635p+4, -0x1.5ecd0a677888cp+4, 0x1.6111afacdc38ap+4, 0x1.9d994d8177264p+3, -0x1.55ca9838f180ep+4}},
    {2451545, 0.25, {0x1.181cec2fbf55ep+8, 0x1.0f84937fad9cp+8, 0x1.e28dac091aecp+7, 0x1.47c83ca59a55cp+8, 0x1.940d71c9c6232p+4, 0x1.4343ee43e976fp+5, 0x1.3acee9a1c0aa6p+8, 0x1.2f33b1b08e851p+8, 0x1.f6e1fe29840dp+7, 0x1.b89977783d8efp+7, 0x1.f439f196d404p+6},
     {0x1.1921e727a06d6p+8, 0x1.11134ba2ab3a3p+8, 0x1.e4f8b2aa1b364p+7, 0x1.488ed91d60a31p+8, 0x1.94b87656af194p+4, 0x1.431c47642fbd2p+5, 0x1.3adbd3c7eb7a2p+8, 0x1.2f3cd032d7d7bp+8, 0x1.f6f3cffe099d5p+7, 0x1.d093b7656f4e2p+7, 0x1.f403b810e9fp+6},
     {-0x1.70dcc6111c31fp+4, -0x1.866d6233afc99p+4, -0x1.262c714ce620ep+4, -0x1.a7f463343ce9ep+3, 0x1.130ff7d19f48cp+3, 0x1.93b0c68de6c7ap+3, -0x1.105b2a342a443p+4, -0x1.3365b490e1d22p+4, -0x1.6c5bc5dd17bp+3, -0x1.3eba741df9341p+3}},
    {2474000, 0.9, {0x1.77976e2701ad9p+6, 0x1.1ed3b2701715ap+6, 0x1.e1ba8b7e389d1p+6, 0x1.8120f1961182fp+7, 0x1.a1be293531b7fp+6, 0x1.4abab8007b2a5p+6, 0x1.b60937732e5e5p+7, 0x1.4447f165d346p+6, 0x1.6229324ce162fp+8, 0x1.7441663855057p+7, 0x1.fe3f00001acp+3},
     {0x1.7b683c71403f6p+6, 0x1.22ac9078e505ep+6, 0x1.e69001447b23ep+6, 0x1.81ea9ce2825ddp+7, 0x1.a2a39dc9ebffdp+6, 0x1.4b3e1315ab046p+6, 0x1.b600173ffea92p+7, 0x1.446d5174642e4p+6, 0x1.6228d5bdb4fbp+8, 0x1.8cb582814f9a2p+7, 0x1.fc8d33f680bp+3},
     {0x1.75fb4ca3e4566p+4, 0x1.2d5636f5af454p+4, 0x1.5a99d4477a66ap+4, -0x1.467c53407538cp+2, 0x1.6c075c526b8c7p+4, 0x1.604a18639a781p+4, -0x1.c2dbf1fcb7729p+3, 0x1.5ca9639beec92p+4, -0x1.04c609d6fe999p+4, -0x1.9467c033352ebp+0}},
};

TEST(EphemerisDriver, ResultsKeepTheirBits) {
  for (const PinnedPass& pin : PinnedPasses) {
    const Pass p = RunPass(MomentOf(pin.jday, pin.dayFraction, 100, 10), 0);
    for (int q = Sun; q <= NorthNode; ++q) {
      EXPECT_EQ(p.work.PointLong[q], pin.lon[q - 1]) << "JD " << pin.jday << " point " << q;
      EXPECT_EQ(p.work.PointLongNextDay[q], pin.nextDay[q - 1]) << "JD " << pin.jday << " point " << q;
    }
    for (int q = Sun; q <= Moon; ++q)
      EXPECT_EQ(p.work.PointDecl[q], pin.decl[q - 1]) << "JD " << pin.jday << " point " << q;
  }
}

}  // namespace
}  // namespace halcyra
