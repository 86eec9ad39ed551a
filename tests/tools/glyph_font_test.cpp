// The shipped glyph font: its licence, its family name and which characters
// it maps, as fontTools reads them from the TrueType tables.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "platform/text_files.h"
#include "tools/tools_test_support.h"

using namespace halcyra;

namespace {

std::string ShippedFile(const char* name) { return ReadWholeFile(halcyra::testing::ShippedPath(name)).value_or(""); }

// First line the family and style names, then every mapped character in hex.
const std::string& FontReport() {
  static const std::string report = halcyra::testing::CommandOutput(
      std::string(halcyra::testing::Python) +
      "-c \"import sys; from fontTools.ttLib import TTFont; f = TTFont(sys.argv[1]); n = f['name']; "
      "print(n.getName(1, 3, 1, 0x409), n.getName(2, 3, 1, 0x409)); "
      "print(' '.join('%X' % c for c in sorted(f.getBestCmap())))\" '" +
      halcyra::testing::ShippedPath("Orvane.ttf") + "'");
  return report;
}

}  // namespace

TEST(GlyphFont, FamilyOrvaneShipsWithItsLicence) {
  EXPECT_EQ(ShippedFile("Orvane.ttf").substr(0, 4), std::string("\0\1\0\0", 4));  // TrueType outlines
  EXPECT_EQ(FontReport().substr(0, FontReport().find('\n')), "Orvane Regular");
  const std::string licence = ShippedFile("Orvane-LICENSE.txt");
  for (const char* words : {"SIL Open Font License, Version 1.1", "DISCLAIMER", "Bitstream Vera Fonts Copyright"})
    EXPECT_NE(licence.find(words), std::string::npos) << words;
}

// Glyph code n is the private-use character U+F000 + n: point p is code
// 223 + p, sign s code 191 + s, the retrograde mark code 156. Letters, digits
// and the Latin-1 letters stay text.
TEST(GlyphFont, MapsEveryGlyphCodeTheWheelPrintsAndTheTextCharacters) {
  std::istringstream mapped(FontReport().substr(FontReport().find('\n') + 1));
  std::set<unsigned> chars;
  for (unsigned c; mapped >> std::hex >> c;) chars.insert(c);
  ASSERT_GT(chars.size(), 100u) << FontReport();
  for (int p = 1; p <= 25; ++p) EXPECT_TRUE(chars.count(0xF000 + 223 + p)) << "point " << p;
  for (int s = 1; s <= 12; ++s) EXPECT_TRUE(chars.count(0xF000 + 191 + s)) << "sign " << s;
  EXPECT_TRUE(chars.count(0xF000 + 156)) << "retrograde mark";
  for (unsigned c = 0x20; c < 0x7F; ++c) EXPECT_TRUE(chars.count(c)) << "character " << c;
  for (unsigned c = 0xC0; c <= 0xFF; ++c) EXPECT_TRUE(chars.count(c)) << "Latin-1 character " << c;
}
