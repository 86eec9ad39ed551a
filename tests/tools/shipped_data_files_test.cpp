// The hand-written value lists of the staged program folder, the files the
// generators of tools/ write, and the glyph font as fontTools reads its
// character map.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/number_text.h"
#include "shell/settings_files.h"
#include "tools/tools_test_support.h"

using namespace halcyra;

// Value list files: a value in the first 7 characters of each line, cut off
// by a blank from the comment after it (a longer value is read cut short).
TEST(ShippedDataFiles, ValueListFilesHoldTheirLineCounts) {
  std::vector<std::pair<std::string, size_t>> files = {{"DIURNAL.ORB", 10}, {"OPTIONS.OPT", 244}, {"OPTIONS.MAS", 244}};
  for (const char* f : {"NATAL.ORB", "TRANSIT.ORB", "SOLARARC.ORB", "Progress.orb", "NAT2TRAN.ORB", "SYNASTRY.ORB",
                        "SOLARRTN.ORB", "LUNARRTN.ORB", "INGRESS.ORB", "NAT2SR.ORB", "NAT2LR.ORB", "NAT2INGR.ORB"})
    files.push_back({f, 17});
  for (const auto& [file, count] : files) {
    const auto lines = ReadTextLines(halcyra::testing::ShippedPath(file)).value_or(std::vector<std::string>{});
    ASSERT_EQ(lines.size(), count) << file;
    const bool orbs = file.ends_with(".ORB") || file.ends_with(".orb");
    for (size_t k = 0; k < lines.size(); ++k) {
      const std::string& line = lines[k];
      const std::string where = file + " line " + std::to_string(k + 1) + ": \"" + line + "\"";
      ASSERT_GT(line.size(), 8u) << where << " has no comment";
      const std::string field = line.substr(0, 7);
      EXPECT_TRUE(field.find_first_of("0123456789") != std::string::npos &&
                  field.find_first_not_of("0123456789.- ") == std::string::npos && (line[6] == ' ' || line[7] == ' '))
          << where;
      // Orbs for aspect codes 2 to 16 only.
      EXPECT_TRUE(!orbs || (k < 15 ? Val(field) > 0 && Val(field) <= 10 : Val(field) == 0)) << where;
    }
  }
  EXPECT_EQ(ReadWholeFile(halcyra::testing::ShippedPath("OPTIONS.MAS")),
            ReadWholeFile(halcyra::testing::ShippedPath("OPTIONS.OPT")))
      << "the factory copy equals the option file";
}

TEST(ShippedDataFiles, OptionValuesAreInTheirRanges) {
  AppState state;
  state.AppPath = halcyra::testing::StagedProgramDir();
  LoadOptionsFile(state);
  const auto& o = state.options.OptionValues;
  // Home place: Chicago, 87 deg 39 min west, 41 deg 51 min north, zone 6.
  EXPECT_EQ(std::vector<float>(o.begin() + 18, o.begin() + 25), (std::vector<float>{6, 87, 39, 0, 41, 51, 0}));
  auto inRange = [&](int k, double low, double high) { return o[k] >= low && o[k] <= high; };
  for (int k = 1; k <= 15; ++k) EXPECT_TRUE(o[k] > 0 && o[k] <= 15) << "aspect orb " << k;
  for (int k = 34; k <= 43; ++k) EXPECT_TRUE(o[k] > 0 && o[k] <= 10) << "moiety " << k;
  for (int k : {88, 89, 90, 91, 92, 93, 94, 95, 96, 103, 104, 105, 106, 107, 108, 109, 110, 111,
                145, 146, 147, 148, 149, 150, 151, 152, 154, 176})
    EXPECT_TRUE(inRange(k, 0, 15) && o[k] == static_cast<int>(o[k])) << "colour " << k;
  EXPECT_TRUE(inRange(27, 1, 9) && inRange(46, 1, 60));
  EXPECT_GE(o[45], 2);  // the saved data file divides by option 45 - 1
  EXPECT_GT(o[30], 0);
  EXPECT_LT(o[117], o[118]);
}

TEST(ShippedDataFiles, DrawingTablesAndFontAreTheGeneratorOutput) {
  // the wheel's tables from the shipped font and options; the font from Debian's DejaVu and Noto fonts
  halcyra::testing::ExpectGeneratorOutput("make_drawing_tables.py", {"RADIUS.DAT", "HCDATA.DAT"});
  halcyra::testing::ExpectGeneratorOutput("make_glyph_font.py", {"Orvane.ttf", "Orvane-LICENSE.txt"});
}

// Glyph code n is the private-use character U+F000 + n: point p is code
// 223 + p, sign s code 191 + s, the retrograde mark code 156. Letters, digits
// and the Latin-1 letters stay text.
TEST(GlyphFont, OrvaneMapsEveryGlyphCodeTheWheelPrintsAndTheTextCharacters) {
  // First line the family and style names, then every mapped character in hex.
  const std::string report = halcyra::testing::CommandOutput(
      std::string(halcyra::testing::Python) +
      "-c \"import sys; from fontTools.ttLib import TTFont; f = TTFont(sys.argv[1]); n = f['name']; "
      "print(n.getName(1, 3, 1, 0x409), n.getName(2, 3, 1, 0x409)); "
      "print(' '.join('%X' % c for c in sorted(f.getBestCmap())))\" '" +
      halcyra::testing::ShippedPath("Orvane.ttf") + "'");
  EXPECT_EQ(report.substr(0, report.find('\n')), "Orvane Regular");
  std::istringstream mapped(report.substr(report.find('\n') + 1));
  std::set<unsigned> chars;
  for (unsigned c; mapped >> std::hex >> c;) chars.insert(c);
  ASSERT_GT(chars.size(), 100u) << report;
  for (int p = 1; p <= 25; ++p) EXPECT_TRUE(chars.count(0xF000 + 223 + p)) << "point " << p;
  for (int s = 1; s <= 12; ++s) EXPECT_TRUE(chars.count(0xF000 + 191 + s)) << "sign " << s;
  EXPECT_TRUE(chars.count(0xF000 + 156)) << "retrograde mark";
  for (unsigned c = 0x20; c < 0x7F; ++c) EXPECT_TRUE(chars.count(c)) << "character " << c;
  for (unsigned c = 0xC0; c <= 0xFF; ++c) EXPECT_TRUE(chars.count(c)) << "Latin-1 character " << c;
}
