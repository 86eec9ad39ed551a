// Counts, ranges and formats of every data file the program folder ships,
// read as the staged program folder holds them, and the glyph font as
// fontTools reads its TrueType tables.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/number_text.h"
#include "platform/text_files.h"
#include "shell/settings_files.h"
#include "tools/tools_test_support.h"

using namespace halcyra;

namespace {

std::vector<std::string> Lines(const std::string& name) {
  const std::string path = halcyra::testing::ShippedPath(name);
  auto lines = ReadTextLines(path);
  EXPECT_TRUE(lines.has_value()) << path;
  return lines.value_or(std::vector<std::string>{});
}

double WrappedDifference(double a, double b) { return std::remainder(b - a, 360.0); }

// A generator of tools/ run into a scratch folder writes the shipped files byte for byte.
void ExpectGeneratorOutput(const std::string& script, std::initializer_list<const char*> files) {
  const std::string dir = halcyra::testing::ScratchDir(script);
  EXPECT_EQ(halcyra::testing::CommandOutput(std::string(halcyra::testing::Python) + HALCYRA_SOURCE_DIR "/tools/" +
                                            script + " " + dir),
            "");
  for (const char* name : files)
    EXPECT_EQ(ReadWholeFile(dir + "/" + name), ReadWholeFile(halcyra::testing::ShippedPath(name))) << name;
}

}  // namespace

// Daily tables: 60000 records "longitude,declination"; limits from the bodies'
// orbits (Chiron's inclination of 7 degrees, the Uranian points on the ecliptic).
TEST(ShippedDataFiles, DailyTablesHoldSixtyThousandRecordsInRange) {
  for (const char* file : {"CHIRON.DAT", "TP.DAT", "t-Cupido.DAT", "t-Hades.DAT", "t-Zeus.DAT", "t-Kronos.DAT",
                           "t-Apollon.DAT", "t-Admetos.DAT", "t-Vulkanus.DAT", "t-Poseidon.DAT"}) {
    const bool chiron = std::string(file) == "CHIRON.DAT";
    const double maxDecl = chiron ? 31.0 : 24.0, maxDailyMotion = chiron ? 0.2 : 0.1;
    const auto lines = Lines(file);
    ASSERT_EQ(lines.size(), 60000u) << file;
    double previous = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
      char* end = nullptr;
      const double lon = std::strtod(lines[i].c_str(), &end);
      ASSERT_EQ(*end, ',') << file << " record " << i << ": " << lines[i];
      const double decl = std::strtod(end + 1, &end);
      ASSERT_EQ(*end, '\0') << file << " record " << i << ": " << lines[i];
      ASSERT_TRUE(lon >= 0.0 && lon < 360.0 && std::fabs(decl) <= maxDecl) << file << " record " << i;
      ASSERT_LT(previous < 0 ? 0.0 : std::fabs(WrappedDifference(previous, lon)), maxDailyMotion)
          << file << " record " << i;
      previous = lon;
    }
  }
}

// Lilith.dat: 166 values (1900 to 2065) of one uniform motion, so that the
// loader's year-by-year rate reproduces it.
TEST(ShippedDataFiles, LilithYearlyValuesFollowTheUniformMotion) {
  const auto lines = Lines("Lilith.dat");
  ASSERT_EQ(lines.size(), 166u);
  for (size_t y = 0; y + 1 < lines.size(); ++y) {
    const double value = std::stod(lines[y]);
    const int year = 1900 + static_cast<int>(y);
    const int days = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 366 : 365;
    ASSERT_TRUE(value >= 0.0 && value < 360.0) << year;
    EXPECT_NEAR(WrappedDifference(value + days * 3.01844767123288, std::stod(lines[y + 1])), 0.0, 2e-6) << year;
  }
}

// The wheel's drawing tables are what their generator makes of the shipped
// font and options today.
TEST(ShippedDataFiles, DrawingTablesAreTheGeneratorOutput) {
  ExpectGeneratorOutput("make_drawing_tables.py", {"RADIUS.DAT", "HCDATA.DAT"});
}

// The 74 star notes in the order of the fixed-star table, printable on one report line.
TEST(ShippedDataFiles, StarNotesHoldTheirCount) {
  const auto stars = Lines("STARS.TXT");
  EXPECT_EQ(stars.size(), 74u);
  for (const auto& line : stars) {
    EXPECT_LE(line.size(), 64u) << line;
    for (unsigned char ch : line) EXPECT_TRUE(ch >= 0x20 && ch < 0x7F) << line;
  }
}

// Value list files: a value in the first 7 characters of each line, cut off
// by a blank from the comment after it.
TEST(ShippedDataFiles, ValueListFilesHoldTheirLineCounts) {
  std::vector<std::pair<std::string, size_t>> files = {{"DIURNAL.ORB", 10}, {"OPTIONS.OPT", 244}, {"OPTIONS.MAS", 244}};
  for (const char* f : {"NATAL.ORB", "TRANSIT.ORB", "SOLARARC.ORB", "Progress.orb", "NAT2TRAN.ORB", "SYNASTRY.ORB",
                        "SOLARRTN.ORB", "LUNARRTN.ORB", "INGRESS.ORB", "NAT2SR.ORB", "NAT2LR.ORB", "NAT2INGR.ORB"})
    files.push_back({f, 17});
  for (const auto& [file, count] : files) {
    const auto lines = Lines(file);
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

// The font is what its generator builds from Debian's DejaVu and Noto fonts.
TEST(GlyphFont, ShippedFontIsTheGeneratorOutput) {
  ExpectGeneratorOutput("make_glyph_font.py", {"Orvane.ttf", "Orvane-LICENSE.txt"});
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
  EXPECT_NE(ReadWholeFile(halcyra::testing::ShippedPath("Orvane-LICENSE.txt"))
                .value_or("")
                .find("SIL Open Font License, Version 1.1"),
            std::string::npos);
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
