// The hand-written options of appdata/, the files the
// generators of tools/ write, degrees of the almuten tables worked by hand,
// and the glyph font as fontTools reads its character map.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/settings_files.h"
#include "tools/tools_test_support.h"

using namespace halcyra;

// The option file is written by hand; its factory copy is the same.
TEST(ShippedDataFiles, OptionValuesAreInTheirRanges) {
  AppState state;
  state.AppPath = halcyra::testing::StagedProgramDir();
  LoadOptionsFile(state);
  const auto& o = state.options.OptionValues;
  // Home place: Chicago, 87 deg 39 min west, 41 deg 51 min north, zone 6.
  EXPECT_EQ(std::vector<float>(o.begin() + 18, o.begin() + 25), (std::vector<float>{6, 87, 39, 0, 41, 51, 0}));
  for (int k : {88, 89, 90, 91, 92, 93, 94, 95, 96, 103, 104, 105, 106, 107, 108, 109, 110, 111,
                145, 146, 147, 148, 149, 150, 151, 152, 154, 176})
    EXPECT_TRUE(o[k] >= 0 && o[k] <= 15 && o[k] == static_cast<int>(o[k])) << "colour " << k;
  EXPECT_GE(o[45], 2);  // the saved data file divides by option 45 - 1
  EXPECT_GT(o[30], 0);
  EXPECT_LT(o[117], o[118]);
  EXPECT_EQ(ReadWholeFile(halcyra::testing::ShippedPath("OPTIONS.MAS")),
            ReadWholeFile(halcyra::testing::ShippedPath("OPTIONS.OPT")));
}

TEST(ShippedDataFiles, FilesAreTheGeneratorOutput) {
  // Only at 19 Libra by night do three planets (Mercury, Venus, Saturn) share
  // the highest score; the tables name two and the almuten report adds SATURN.
  halcyra::testing::ExpectGeneratorOutput("make_almuten_tables.py",
                                          {"ALMUTD1.DAT", "ALMUTD2.DAT", "ALMUTN1.DAT", "ALMUTN2.DAT"},
                                          "night degree 199: three-way tie [2, 3, 6]\n");
  halcyra::testing::ExpectGeneratorOutput(
      "make_orb_files.py", {"NATAL.ORB", "TRANSIT.ORB", "SOLARARC.ORB", "Progress.orb", "NAT2TRAN.ORB", "SYNASTRY.ORB",
                            "SOLARRTN.ORB", "LUNARRTN.ORB", "INGRESS.ORB", "NAT2SR.ORB", "NAT2LR.ORB", "NAT2INGR.ORB",
                            "DIURNAL.ORB"});
  // the wheel's tables from the shipped font and options; the font from Debian's DejaVu and Noto fonts
  halcyra::testing::ExpectGeneratorOutput("make_drawing_tables.py", {"RADIUS.DAT", "HCDATA.DAT"});
  halcyra::testing::ExpectGeneratorOutput("make_glyph_font.py", {"Orvane.ttf", "Orvane-LICENSE.txt"});
}

// The almuten and co-almuten from the essential dignities: domicile 5,
// exaltation 4, triplicity of the sect 3, Ptolemaic term 2, Chaldean face 1;
// equal scores by ascending point number.
TEST(AlmutenTables, HandWorkedDegrees) {
  struct Case { int degree; bool night; int almuten, co; const char* working; };
  const Case cases[] = {
      {0, false, Sun, 0, "0 Aries by day: Sun exaltation 4 + triplicity 3 = 7; Mars domicile 5 + face 1 = 6"},
      {360, false, Sun, 0, "a longitude of exactly 360 reads like 0 Aries, by day"},
      {165, false, Mercury, 0, "15 Virgo: Mercury domicile 5 + exaltation 4 = 9"},
      {199, false, Saturn, 0, "19 Libra by day: Saturn exaltation 4 + triplicity 3 + face 1 = 8"},
      {199, true, Mercury, Venus,
       "19 Libra by night: Mercury triplicity 3 + term 2, Venus domicile 5, Saturn exaltation 4 + face 1: 5 each"},
      {95, true, Mars, Moon, "5 Cancer: Mars triplicity 3 + term 2 = 5 ties the Moon's domicile 5; Jupiter 4"},
  };
  const auto& t = halcyra::testing::ShippedState().tables;
  for (const auto& c : cases) {
    EXPECT_EQ((c.night ? t.AlmutenNight : t.AlmutenDay)[c.degree], c.almuten) << c.working;
    EXPECT_EQ((c.night ? t.CoAlmutenNight : t.CoAlmutenDay)[c.degree], c.co) << c.working;
  }
}

// Glyph code n is the private-use character U+F000 + n: point p is code
// 223 + p, sign s code 191 + s, the retrograde mark code 156. Printable ASCII
// and the Latin-1 letters stay text. fontTools names the font and lists the
// characters it lacks.
TEST(GlyphFont, OrvaneMapsEveryGlyphCodeTheWheelPrintsAndTheTextCharacters) {
  const std::string report = halcyra::testing::CommandOutput(
      halcyra::testing::Python,
      {"-c",
       "import sys; from fontTools.ttLib import TTFont; f = TTFont(sys.argv[1]); n = f['name']; "
       "print(n.getName(1, 3, 1, 0x409), n.getName(2, 3, 1, 0x409)); mapped = f.getBestCmap(); "
       "codes = [*range(224, 249), *range(192, 204), 156]; "
       "needed = [0xF000 + c for c in codes] + [*range(0x20, 0x7F), *range(0xC0, 0x100)]; "
       "print('lacks', ['%X' % c for c in needed if c not in mapped])",
       halcyra::testing::ShippedPath("Orvane.ttf")});
  EXPECT_EQ(report, "Orvane Regular\nlacks []\n");
}
