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

TEST(AspectFinder, WindowEdgesZeroAriesAndQuintileSwitch) {
  // longitudes A and B, option 16, expected code (1 = none) and orb; expected
  // from the orbs above: both bounds inclusive, opposition without an upper
  // bound, the quintile family only when option 16 is exactly 1.
  struct Case { double a, b; float q; int code; double orb; };
  const Case cases[] = {
      {10, 18, 1, 2, 8},      {10, 18.001, 1, 1, 0},  // conjunction orb 8
      {0, 54, 1, 3, 6},       {0, 53.999, 1, 1, 0},   // sextile 60 - 6
      {0, 66, 1, 3, 6},       {0, 97, 1, 4, 7},       // sextile + 6, square + 7
      {0, 172, 1, 6, 8},      {0, 171.99, 1, 1, 0},   // opposition from 180 - 8
      {0, 180, 1, 6, 0},      {100, 280, 1, 6, 0},
      {0, 147, 1, 11, 3},     {0, 28, 1, 8, 2},       // quincunx, semi-sextile
      {0, 47, 1, 9, 2},       {0, 133, 1, 10, 2},     // semi-square, sesquisquare
      {0, 36, 1, 12, 0},      {0, 41, 1, 13, 1},      // semi-quintile, nonagen
      {0, 74, 1, 14, 2},      {0, 109, 1, 15, 1},     // quintile, trecile
      {0, 146, 1, 16, 2},     {0, 146.01, 1, 1, 0},   // bi-quintile ends; quincunx starts at 147
      {359, 1, 1, 2, 2},      {1, 359, 1, 2, 2},      // across 0 Aries, either order
      {350, 50, 1, 3, 0},     {50, 350, 1, 3, 0},     {355, 175, 1, 6, 0},  {0, 359.5, 1, 2, 0.5},
      {0, 36, 0, 1, 0},       {0, 40, 2, 1, 0},       {0, 72, 0.5f, 1, 0},  {0, 108, -1, 1, 0},
      {0, 144, 0, 1, 0},
      {0, 53.9999999, 0, 3, 6.0000001},  // compared in single precision: 54, the lower bound
  };
  for (const Case& c : cases) {
    const AspectFound found = FindAspect(c.a, c.b, Orbs(c.q));
    EXPECT_EQ(found.code, c.code) << c.a << " / " << c.b << " option 16 " << c.q;
    if (c.code != 1) {
      EXPECT_NEAR(found.orb, c.orb, 1e-9) << c.a << " / " << c.b;
    }
  }
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

TEST(ParallelFinder, SidesAndOrb) {
  // declination A, declination B, expected kind; parallel orb 1 (option 6).
  using K = DeclinationAspect;
  struct Case { double a, b; K kind; };
  const Case cases[] = {
      {10, 11, K::Parallel},          {10, 11.0001, K::None},  {-10, -9, K::Parallel},
      {10, -10.5, K::ContraParallel}, {0, 0.5, K::Parallel},   {0, -0.5, K::ContraParallel},
      {-23.4, 23.0, K::ContraParallel}, {5, 20, K::None},
  };
  for (const Case& c : cases) EXPECT_EQ(FindParallel(c.a, c.b, Orbs(0)).kind, c.kind) << c.a << " / " << c.b;
  EXPECT_NEAR(FindParallel(10, -10.5, Orbs(0)).orb, 0.5, 1e-12);
}
