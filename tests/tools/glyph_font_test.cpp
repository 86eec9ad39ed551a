// The shipped glyph font: its licence, its family name and which characters
// it maps, read straight from the TrueType tables.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/text_files.h"
#include "tools/shipped_state.h"

using namespace halcyra;

namespace {

std::string ShippedFile(const char* name) { return ReadWholeFile(halcyra::testing::ShippedPath(name)).value_or(""); }

struct TrueTypeFile {
  std::string b;

  // Big-endian reads; 0 past the end of the file.
  uint32_t U16(size_t at) const {
    return at + 2 <= b.size() ? static_cast<unsigned char>(b[at]) << 8 | static_cast<unsigned char>(b[at + 1]) : 0;
  }
  uint32_t U32(size_t at) const { return U16(at) << 16 | U16(at + 2); }
  size_t Table(const char* tag) const {  // the file's end when there is no such table
    for (uint32_t i = 0; i < U16(4); ++i)
      if (b.compare(12 + 16 * i, 4, tag) == 0) return U32(12 + 16 * i + 8);
    return b.size();
  }

  // Whether the Windows Unicode BMP subtable (format 4) maps c to a glyph.
  bool Maps(uint32_t c) const {
    const size_t cmap = Table("cmap");
    for (uint32_t i = 0; i < U16(cmap + 2); ++i) {
      const size_t rec = cmap + 4 + 8 * i, sub = cmap + U32(rec + 4);
      if (U16(rec) != 3 || U16(rec + 2) != 1 || U16(sub) != 4) continue;
      const uint32_t segments = U16(sub + 6) / 2;
      const size_t ends = sub + 14, starts = ends + 2 * segments + 2, deltas = starts + 2 * segments,
                   offsets = deltas + 2 * segments;
      for (uint32_t s = 0; s < segments; ++s) {
        const uint32_t first = U16(starts + 2 * s), delta = U16(deltas + 2 * s), rangeOffset = U16(offsets + 2 * s);
        if (c < first || c > U16(ends + 2 * s)) continue;
        if (rangeOffset == 0) return ((c + delta) & 0xFFFF) != 0;
        const uint32_t glyph = U16(offsets + 2 * s + rangeOffset + 2 * (c - first));
        return glyph != 0 && ((glyph + delta) & 0xFFFF) != 0;
      }
    }
    return false;
  }

  // Name record `id` of the Windows platform, UTF-16 reduced to ASCII.
  std::string Name(uint32_t id) const {
    const size_t name = Table("name"), strings = name + U16(name + 4);
    for (uint32_t i = 0; i < U16(name + 2); ++i) {
      const size_t rec = name + 6 + 12 * i;
      if (U16(rec) != 3 || U16(rec + 6) != id) continue;
      std::string text;
      for (uint32_t k = 0; k < U16(rec + 8); k += 2) text += static_cast<char>(U16(strings + U16(rec + 10) + k));
      return text;
    }
    return "";
  }
};

}  // namespace

TEST(GlyphFont, FamilyOrvaneShipsWithItsLicence) {
  const TrueTypeFile font{ShippedFile("Orvane.ttf")};
  EXPECT_EQ(font.b.substr(0, 4), std::string("\0\1\0\0", 4));  // TrueType outlines
  EXPECT_EQ(font.Name(1), "Orvane");
  EXPECT_EQ(font.Name(2), "Regular");
  const std::string licence = ShippedFile("Orvane-LICENSE.txt");
  for (const char* words : {"SIL Open Font License, Version 1.1", "DISCLAIMER", "Bitstream Vera Fonts Copyright"})
    EXPECT_NE(licence.find(words), std::string::npos) << words;
}

// Glyph code n is the private-use character U+F000 + n: point p is code
// 223 + p, sign s code 191 + s, the retrograde mark code 156. Letters, digits
// and the Latin-1 letters stay text.
TEST(GlyphFont, MapsEveryGlyphCodeTheWheelPrintsAndTheTextCharacters) {
  const TrueTypeFile font{ShippedFile("Orvane.ttf")};
  for (int p = 1; p <= 25; ++p) EXPECT_TRUE(font.Maps(0xF000 + 223 + p)) << "point " << p;
  for (int s = 1; s <= 12; ++s) EXPECT_TRUE(font.Maps(0xF000 + 191 + s)) << "sign " << s;
  EXPECT_TRUE(font.Maps(0xF000 + 156)) << "retrograde mark";
  for (uint32_t c = 0x20; c < 0x7F; ++c) EXPECT_TRUE(font.Maps(c)) << "character " << c;
  for (uint32_t c = 0xC0; c <= 0xFF; ++c) EXPECT_TRUE(font.Maps(c)) << "Latin-1 character " << c;
  EXPECT_FALSE(font.Maps(0x4E00)) << "a character the font does not hold";
}
