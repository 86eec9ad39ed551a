// The shipped glyph font: its family name and which characters it maps,
// read straight from the TrueType tables.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "platform/program_files.h"
#include "platform/text_files.h"
#include "support/test_support.h"

using namespace halcyra;

namespace {

class TrueTypeFile {
 public:
  explicit TrueTypeFile(std::string bytes) : b_(std::move(bytes)) {}

  uint32_t U16(size_t at) const { return at + 2 <= b_.size() ? (Byte(at) << 8) | Byte(at + 1) : 0; }
  uint32_t U32(size_t at) const { return (U16(at) << 16) | U16(at + 2); }

  std::optional<size_t> Table(const std::string& tag) const {
    const uint32_t count = U16(4);
    for (uint32_t i = 0; i < count; ++i) {
      const size_t record = 12 + 16 * i;
      if (b_.compare(record, 4, tag) == 0) return U32(record + 8);
    }
    return std::nullopt;
  }

  // Every character mapped by the Windows Unicode BMP subtable (format 4).
  std::set<uint32_t> MappedCharacters() const {
    std::set<uint32_t> chars;
    const auto cmap = Table("cmap");
    if (!cmap) return chars;
    for (uint32_t i = 0; i < U16(*cmap + 2); ++i) {
      const size_t rec = *cmap + 4 + 8 * i;
      if (U16(rec) != 3 || U16(rec + 2) != 1) continue;
      const size_t sub = *cmap + U32(rec + 4);
      if (U16(sub) != 4) continue;
      const uint32_t segments = U16(sub + 6) / 2;
      const size_t ends = sub + 14, starts = ends + 2 * segments + 2, deltas = starts + 2 * segments,
                   offsets = deltas + 2 * segments;
      for (uint32_t s = 0; s < segments; ++s) {
        const uint32_t first = U16(starts + 2 * s), last = U16(ends + 2 * s);
        const uint32_t delta = U16(deltas + 2 * s), rangeOffset = U16(offsets + 2 * s);
        for (uint32_t c = first; c <= last && c != 0xFFFF; ++c) {
          uint32_t glyph = 0;
          if (rangeOffset == 0) {
            glyph = (c + delta) & 0xFFFF;
          } else {
            const uint32_t g = U16(offsets + 2 * s + rangeOffset + 2 * (c - first));
            glyph = g ? (g + delta) & 0xFFFF : 0;
          }
          if (glyph) chars.insert(c);
        }
      }
    }
    return chars;
  }

  // Name record `id` of the Windows platform, UTF-16 reduced to ASCII.
  std::string Name(uint32_t id) const {
    const auto name = Table("name");
    if (!name) return "";
    const size_t strings = *name + U16(*name + 4);
    for (uint32_t i = 0; i < U16(*name + 2); ++i) {
      const size_t rec = *name + 6 + 12 * i;
      if (U16(rec) != 3 || U16(rec + 6) != id) continue;
      std::string text;
      for (uint32_t k = 0; k < U16(rec + 8); k += 2) text += static_cast<char>(U16(strings + U16(rec + 10) + k));
      return text;
    }
    return "";
  }

 private:
  uint32_t Byte(size_t at) const { return static_cast<unsigned char>(b_[at]); }
  std::string b_;
};

TrueTypeFile ShippedFont() {
  auto bytes = ReadWholeFile(ProgramFile(halcyra::testing::StagedProgramDir(), "Orvane.ttf"));
  EXPECT_TRUE(bytes.has_value());
  return TrueTypeFile(bytes.value_or(""));
}

}  // namespace

TEST(GlyphFont, FamilyIsOrvane) {
  const TrueTypeFile font = ShippedFont();
  EXPECT_EQ(font.Name(1), "Orvane");
  EXPECT_EQ(font.Name(2), "Regular");
}

// Glyph code n is the private-use character U+F000 + n: point p is code
// 223 + p, sign s code 191 + s, the retrograde mark code 156.
TEST(GlyphFont, MapsEveryGlyphCodeTheWheelPrints) {
  const auto chars = ShippedFont().MappedCharacters();
  for (int p = 1; p <= 25; ++p) EXPECT_TRUE(chars.count(0xF000 + 223 + p)) << "point " << p;
  for (int s = 1; s <= 12; ++s) EXPECT_TRUE(chars.count(0xF000 + 191 + s)) << "sign " << s;
  EXPECT_TRUE(chars.count(0xF000 + 156)) << "retrograde mark";
}

TEST(GlyphFont, KeepsLettersDigitsAndPunctuationAsText) {
  const auto chars = ShippedFont().MappedCharacters();
  for (uint32_t c = 0x20; c < 0x7F; ++c) EXPECT_TRUE(chars.count(c)) << "character " << c;
  for (uint32_t c = 0xC0; c <= 0xFF; ++c) EXPECT_TRUE(chars.count(c)) << "Latin-1 character " << c;
}
