// The Horary Aspects report: the faster planet's qualifier worked by hand
// for a direct and a retrograde planet, and the page of a fixture chart
// whose lines were checked against the separations and the moieties.
#include <gtest/gtest.h>

#include "horary/aspect_within_orb.h"
#include "horary/horary_aspects.h"
#include "horary/horary_reports_fixture.h"

namespace halcyra {
namespace {

using testing::HoraryChart;
using testing::HoraryOptions;
using testing::LinesOf;

TEST(HoraryAspectQualifier, DirectAndRetrogradeFasterPlanet) {
  // diff = faster less slower longitude, signed orb, aspect; the qualifier
  // of a direct and of a retrograde faster planet. Ahead or behind on the
  // shorter arc; "app"/"sep" swap when retrograde, "sin"/"dex" do not.
  struct Case { double diff, signedOrb; int code; const char* direct; const char* retrograde; };
  const Case cases[] = {
      {57, -3, SextileCode, "app, dex ", "sep, dex "},    // ahead, short of exact
      {-57, -3, SextileCode, "sep, sin ", "app, sin "},   // behind, short
      {63, 3, SextileCode, "sep, dex ", "app, dex "},     // ahead, past
      {-63, 3, SextileCode, "app, sin ", "sep, sin "},    // behind, past
      {298, 2, SextileCode, "app, sin ", "sep, sin "},    // 350 to 52: behind across 0 Aries
      {-302, -2, SextileCode, "app, dex ", "sep, dex "},  // 10 to 312: ahead across 0 Aries
      {3, 3, ConjunctCode, "sep", "app"},                 // a conjunction is neither sinister nor dexter
      {-3, 3, ConjunctCode, "app", "sep"},
      {91, 0.0166666, SquareCode, "partile", "partile"},  // the tolerance itself is partile
      {-89, -0.01, SquareCode, "partile", "partile"},
      {89.98, -0.02, SquareCode, "app, dex ", "sep, dex "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HoraryAspectQualifier(c.diff, c.signedOrb, c.code, false), c.direct) << c.diff << " " << c.signedOrb;
    EXPECT_EQ(HoraryAspectQualifier(c.diff, c.signedOrb, c.code, true), c.retrograde) << c.diff << " " << c.signedOrb;
  }
}

TEST(HoraryChartAspects, FixturePage) {
  ChartSet chart = HoraryChart({{Moon, 15}, {Mercury, 72}, {Venus, 200}, {Sun, 110}, {Mars, 293}, {Jupiter, 352},
                                {Saturn, 234}, {Uranus, 14}, {Neptune, 160}, {Pluto, 322}, {NorthNode, 104},
                                {PartOfFortune, 202}, {Chiron, 110}, {Ascendant, 45}, {Midheaven, 315}});
  const double speed[] = {0, 1.0, -0.8, 1.2, 0.6, -0.1, 0.05, 0.02, 0.01, 0.005, 13};
  for (int p = Sun; p <= Moon; ++p) chart.Speed[p] = speed[p];
  chart.RetroFlags[Mercury - 1] = chart.RetroFlags[Jupiter - 1] = 'R';
  // Blocks by speed: Moon, Venus, Sun, Mercury (retrograde), Mars, Jupiter
  // (retrograde), Saturn, Uranus, Neptune, Pluto, then the node, the Part of
  // Fortune, ASC and MC; Chiron on the Sun takes no part.
  const std::vector<std::string> expected = {
      "",
      "  Moon      opposite    app, dex     Venus      5.0 degree",
      "  Moon      square      app, sin     Sun        5.0 degree",
      "  Moon      sextile     sep, sin     Mercury    3.0 degree",
      "  Moon      square      app, dex     Mars       8.0 degree",
      "  Moon      conjunct    sep          Uranus     1.0 degree",
      "  Moon      sextile     app, dex     Pluto      7.0 degree",
      "  Moon      sextile                  MC         0.0 degree",
      "",
      "  Venus     opposite                 Moon       5.0 degree",
      "  Venus     square      partile      Sun        0.0 degree",
      "  Venus     square      app, sin     Mars       3.0 degree",
      "  Venus     trine       app, sin     Pluto      2.0 degree",
      "  Venus     conjunct                 P. Fort    2.0 degree",
      "",
      "  Sun       square                   Moon       5.0 degree",
      "  Sun       square                   Venus      0.0 degree",
      "  Sun       opposite    app, dex     Mars       3.0 degree",
      "  Sun       trine       app, dex     Jupiter    2.0 degree",
      "  Sun       trine       app, sin     Saturn     4.0 degree",
      "  Sun       square      sep, dex     Uranus     6.0 degree",
      "  Sun       conjunct                 N. Node    6.0 degree",
      "  Sun       sextile                  ASC        5.0 degree",
      "",
      "  Mercury   sextile                  Moon       3.0 degree",
      "  Mercury   sextile     sep, dex     Uranus     2.0 degree",
      "  Mercury   square      app, sin     Neptune    2.0 degree",
      "  Mercury   trine                    MC         3.0 degree",
      "",
      "  Mars      square                   Moon       8.0 degree",
      "  Mars      square                   Venus      3.0 degree",
      "  Mars      opposite                 Sun        3.0 degree",
      "  Mars      sextile     sep, sin     Jupiter    1.0 degree",
      "  Mars      sextile     app, dex     Saturn     1.0 degree",
      "",
      "  Jupiter   trine                    Sun        2.0 degree",
      "  Jupiter   sextile                  Mars       1.0 degree",
      "  Jupiter   trine       sep, dex     Saturn     2.0 degree",
      "",
      "  Saturn    trine                    Sun        4.0 degree",
      "  Saturn    sextile                  Mars       1.0 degree",
      "  Saturn    trine                    Jupiter    2.0 degree",
      "  Saturn    square      sep, sin     Pluto      2.0 degree",
      "",
      "  Uranus    conjunct                 Moon       1.0 degree",
      "  Uranus    square                   Sun        6.0 degree",
      "  Uranus    sextile                  Mercury    2.0 degree",
      "  Uranus    sextile                  MC         1.0 degree",
      "",
      "  Neptune   square                   Mercury    2.0 degree",
      "",
      "  Pluto     sextile                  Moon       7.0 degree",
      "  Pluto     trine                    Venus      2.0 degree",
      "  Pluto     square                   Saturn     2.0 degree",
      "",
      "  N. Node   conjunct                 Sun        6.0 degree",
      "",
      "  P. Fort   conjunct                 Venus      2.0 degree",
      "",
      "  ASC       sextile                  Sun        5.0 degree",
      "",
      "  MC        sextile                  Moon       0.0 degree",
      "  MC        trine                    Mercury    3.0 degree",
      "  MC        sextile                  Uranus     1.0 degree",
      "",
  };
  EXPECT_EQ(LinesOf([&](LineSink& out) { WriteHoraryChartAspects(out, chart, HoraryOptions()); }), expected);
}

}  // namespace
}  // namespace halcyra
