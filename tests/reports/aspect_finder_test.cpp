// The one aspect test of every grid and list, at its window edges.
#include <gtest/gtest.h>

#include "reports/aspect_finder.h"

using namespace halcyra;

namespace {

// Orbs of options 1..15 and the quintile switch, option 16.
OptionTables Orbs(float quintiles) {
  OptionTables t;
  const float orbs[16] = {0, 8, 6, 7, 7, 8, 1, 2, 2, 2, 3, 1, 1, 2, 1, 2};
  for (int k = 1; k <= 15; ++k) t.OptionValues[k] = orbs[k];
  t.OptionValues[16] = quintiles;
  return t;
}

}  // namespace

TEST(AspectFinder, WindowEdgesAreInclusive) {
  // longitude A, longitude B, expected code, expected orb; expected from the
  // orbs above (both bounds inclusive, opposition without an upper bound).
  struct Case { double a, b; int code; double orb; };
  const Case cases[] = {
      {10, 18, 2, 8},       {10, 18.001, 1, 0},     // conjunction orb 8
      {0, 54, 3, 6},        {0, 53.999, 1, 0},      // sextile 60 - 6
      {0, 66, 3, 6},        {0, 97, 4, 7},          // sextile + 6, square + 7
      {0, 172, 6, 8},       {0, 171.99, 1, 0},      // opposition from 180 - 8
      {0, 180, 6, 0},       {100, 280, 6, 0},
      {0, 147, 11, 3},      {0, 28, 8, 2},          // quincunx, semi-sextile
      {0, 47, 9, 2},        {0, 133, 10, 2},        // semi-square, sesquisquare
      {0, 36, 12, 0},       {0, 41, 13, 1},         // semi-quintile, nonagen
      {0, 74, 14, 2},       {0, 109, 15, 1},        // quintile, trecile
      {0, 146, 16, 2},      {0, 146.01, 1, 0},      // bi-quintile ends; quincunx starts at 147
  };
  const OptionTables orbs = Orbs(1);
  for (const Case& c : cases) {
    AspectFound found = FindAspect(c.a, c.b, orbs);
    EXPECT_EQ(found.code, c.code) << c.a << " / " << c.b;
    if (c.code != 1) {
      EXPECT_NEAR(found.orb, c.orb, 1e-9) << c.a << " / " << c.b;
    }
  }
}

TEST(AspectFinder, SeparationAcrossZeroAries) {
  // 359 and 1 are 2 apart; 350 and 50 are 60 apart; either order.
  const OptionTables orbs = Orbs(1);
  struct Case { double a, b, separation; int code; };
  const Case cases[] = {{359, 1, 2, 2}, {1, 359, 2, 2}, {350, 50, 60, 3},
                        {50, 350, 60, 3}, {355, 175, 180, 6}, {0, 359.5, 0.5, 2}};
  for (const Case& c : cases) {
    EXPECT_NEAR(LongitudeSeparation(c.a, c.b), c.separation, 1e-9) << c.a << " / " << c.b;
    EXPECT_EQ(FindAspect(c.a, c.b, orbs).code, c.code) << c.a << " / " << c.b;
  }
}

TEST(AspectFinder, QuintileFamilyOnlyWhenOption16IsExactlyOne) {
  for (float switchValue : {0.0f, 2.0f, 0.5f, -1.0f}) {
    const OptionTables orbs = Orbs(switchValue);
    for (double angle : {36.0, 40.0, 72.0, 108.0, 144.0})
      EXPECT_EQ(FindAspect(0, angle, orbs).code, 1) << "angle " << angle << " option 16 " << switchValue;
  }
  EXPECT_EQ(FindAspect(0, 72, Orbs(1)).code, 14);
}

TEST(AspectFinder, LaterTestWinsWhereWindowsOverlap) {
  OptionTables orbs = Orbs(1);
  orbs.OptionValues[2] = 20;  // sextile 40..80 covers the square's lower edge and the quintile
  orbs.OptionValues[3] = 20;  // square 70..110
  EXPECT_EQ(FindAspect(0, 75, orbs).code, 4);   // sextile and square hold: square is later
  EXPECT_EQ(FindAspect(0, 72, orbs).code, 14);  // the quintile comes after both
  orbs.OptionValues[1] = 50;                    // conjunction up to 50: beats everything
  EXPECT_EQ(FindAspect(0, 45, orbs).code, 2);
}

TEST(AspectFinder, ComparesInSinglePrecision) {
  // 54.0000001 rounds to the single 54, which equals the sextile's lower bound.
  const OptionTables orbs = Orbs(0);
  EXPECT_EQ(FindAspect(0, 53.9999999, orbs).code, 3);
}

TEST(ParallelFinder, SidesAndOrb) {
  // declination A, declination B, expected kind; parallel orb 1 (option 6).
  using K = DeclinationAspect;
  struct Case { double a, b; K kind; };
  const Case cases[] = {
      {10, 11, K::Parallel},        {10, 11.0001, K::None},     {-10, -9, K::Parallel},
      {10, -10.5, K::ContraParallel}, {0, 0.5, K::Parallel},    {0, -0.5, K::ContraParallel},
      {-23.4, 23.0, K::ContraParallel}, {5, 20, K::None},
  };
  const OptionTables orbs = Orbs(0);
  for (const Case& c : cases)
    EXPECT_EQ(FindParallel(c.a, c.b, orbs).kind, c.kind) << c.a << " / " << c.b;
  EXPECT_NEAR(FindParallel(10, -10.5, orbs).orb, 0.5, 1e-12);
}
