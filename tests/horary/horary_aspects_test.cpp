// The horary aspects: the faster planet's qualifier worked by hand, and the
// Horary Aspects page of a fixture chart (speed order, orbs and qualifiers).
#include <gtest/gtest.h>

#include "horary/aspect_within_orb.h"
#include "horary/horary_aspects.h"
#include "horary/horary_reports_fixture.h"
#include "reports/golden_page.h"

namespace halcyra {
namespace {

TEST(HoraryAspectQualifier, DirectAndRetrogradeFasterPlanet) {
  // faster less slower longitude, signed orb, aspect; the qualifier of a
  // direct and of a retrograde faster planet ("app"/"sep" swap, "sin"/"dex" not)
  struct Case { double diff, signedOrb; int code; const char* direct; const char* retrograde; };
  const Case cases[] = {
      {57, -3, SextileCode, "app, dex ", "sep, dex "},    // ahead, short of exact
      {-57, -3, SextileCode, "sep, sin ", "app, sin "},   // behind, short
      {63, 3, SextileCode, "sep, dex ", "app, dex "},     // ahead, past
      {-63, 3, SextileCode, "app, sin ", "sep, sin "},    // behind, past
      {298, 2, SextileCode, "app, sin ", "sep, sin "},    // 350 to 52: behind across 0 Aries
      {-302, -2, SextileCode, "app, dex ", "sep, dex "},  // 10 to 312: ahead across 0 Aries
      {-3, 3, ConjunctCode, "app", "sep"},                // a conjunction is neither sinister nor dexter
      {91, 0.0166666, SquareCode, "partile", "partile"},  // the tolerance itself is partile
      {89.98, -0.02, SquareCode, "app, dex ", "sep, dex "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HoraryAspectQualifier(c.diff, c.signedOrb, c.code, false), c.direct) << c.diff << " " << c.signedOrb;
    EXPECT_EQ(HoraryAspectQualifier(c.diff, c.signedOrb, c.code, true), c.retrograde) << c.diff << " " << c.signedOrb;
  }
}

// Blocks by speed: Moon, Venus, Sun, Mercury (retrograde), Mars, Jupiter
// (retrograde), Saturn ... Pluto, then the node, the Part of Fortune, ASC
// and MC; Chiron on the Sun takes no part.
TEST(HoraryChartAspects, FixturePage) {
  ChartSet chart = testing::HoraryChart({{Moon, 15}, {Mercury, 72}, {Venus, 200}, {Sun, 110}, {Mars, 293},
                                         {Jupiter, 352}, {Saturn, 234}, {Uranus, 14}, {Neptune, 160}, {Pluto, 322},
                                         {NorthNode, 104}, {PartOfFortune, 202}, {Chiron, 110}, {Ascendant, 45},
                                         {Midheaven, 315}});
  const double speed[] = {0, 1.0, -0.8, 1.2, 0.6, -0.1, 0.05, 0.02, 0.01, 0.005, 13};
  for (int p = Sun; p <= Moon; ++p) chart.Speed[p] = speed[p];
  chart.RetroFlags[Mercury - 1] = chart.RetroFlags[Jupiter - 1] = 'R';
  const auto lines = testing::LinesOf(
      [&](LineSink& out) { WriteHoraryChartAspects(out, chart, testing::HoraryOptions()); });
  EXPECT_TRUE(testing::MatchesGoldenPage("fixture_horary_aspects", lines, "horary"));
}

}  // namespace
}  // namespace halcyra
