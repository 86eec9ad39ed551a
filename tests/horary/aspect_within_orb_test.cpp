// The horary orb test against hand-worked cases: the horary fixture's
// moieties, Sun 8, Moon 6, Mercury 3.5, Venus 3.5, Mars 3.5, Jupiter 4.5,
// Saturn 4.5, the outer planets 2.5 (options 34 to 43).
#include <gtest/gtest.h>

#include "horary/aspect_within_orb.h"
#include "horary/horary_fixture.h"
#include "state/points.h"

namespace halcyra {
namespace {

OptionTables Moieties() { return testing::HoraryFixtureOptions(); }

struct Case {
  int first, second;
  double separation;
  int code;
  double signedOrb, roundedOrb;
  const char* why;
};

TEST(TestAspectWithinOrb, WindowsOrderAndRounding) {
  const OptionTables o = Moieties();
  const Case cases[] = {
      {Sun, Moon, 0.0, ConjunctCode, 0.0, 0.0, "exact conjunction"},
      {Sun, Moon, 13.99, ConjunctCode, 13.99, 14.0, "inside 14 = 8 + 6"},
      {Sun, Moon, 14.0, NoAspectCode, 0, 0, "window edge is strict"},
      {Sun, Mercury, 48.6, SextileCode, -11.4, 11.4, "60 - 11.5 < 48.6"},
      {Sun, Moon, 180.0, OppositeCode, 0.0, 0.0, "opposition has no upper bound"},
      {Mars, Venus, 116.51, TrineCode, -3.49, 3.5, "half rounds up"},
      {Mars, Venus, 126.94, TrineCode, 6.94, 6.9, "trine past exact"},
      {Moon, Sun, 9.96, ConjunctCode, 9.96, 10.0, "9.96 rounds to 10.0"},
      {Sun, Moon, 76.5, SquareCode, -13.5, 13.5, "square short of exact"},
      {Ascendant, Midheaven, 90.0, NoAspectCode, 0, 0, "moieties 0: never an aspect"},
      {NorthNode, Sun, 60.0, NoAspectCode, 0, 0, "node takes conjunctions only"},
      {NorthNode, Sun, 7.9, ConjunctCode, 7.9, 7.9, "node within the other moiety"},
      {PartOfFortune, Ascendant, 0.0, NoAspectCode, 0, 0, "0 < 0 is false"},
      {Ascendant, Jupiter, 119.0, TrineCode, -1.0, 1.0, "ASC takes every aspect"},
  };
  for (const Case& c : cases) {
    for (bool swapped : {false, true}) {
      const OrbTest r = swapped ? TestAspectWithinOrb(o, c.second, c.first, c.separation)
                                : TestAspectWithinOrb(o, c.first, c.second, c.separation);
      EXPECT_EQ(r.code, c.code) << c.why;
      if (c.code == NoAspectCode) continue;
      EXPECT_NEAR(r.signedOrb, c.signedOrb, 1e-12) << c.why;
      EXPECT_NEAR(r.roundedOrb, c.roundedOrb, 1e-12) << c.why;
    }
  }
}

TEST(TestAspectWithinOrb, OverlappingWindowsTakeTheSmallerAngle) {
  OptionTables o = Moieties();
  o.OptionValues[34] = 10;  // Sun + Moon = 16: the 60 and 90 windows overlap from 74 to 76
  EXPECT_EQ(TestAspectWithinOrb(o, Sun, Moon, 75).code, SextileCode);
  EXPECT_EQ(TestAspectWithinOrb(o, Sun, Moon, 76).code, SquareCode);
  o.OptionValues[34] = 26;  // 32: the conjunction window reaches into the sextile's
  EXPECT_EQ(TestAspectWithinOrb(o, Sun, Moon, 30).code, SextileCode);
}

}  // namespace
}  // namespace halcyra
