// Counts, ranges and formats of every data file the program folder ships,
// read as the staged program folder holds them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/number_text.h"
#include "platform/program_files.h"
#include "platform/text_files.h"
#include "shell/startup_data.h"
#include "support/test_support.h"

using namespace halcyra;

namespace {

std::vector<std::string> Lines(const std::string& name) {
  const std::string path = ProgramFile(halcyra::testing::StagedProgramDir(), name);
  auto lines = ReadTextLines(path);
  EXPECT_TRUE(lines.has_value()) << path;
  return lines.value_or(std::vector<std::string>{});
}

// Whole numbers, one a line.
std::vector<long> Integers(const std::string& name) {
  std::vector<long> values;
  for (const auto& line : Lines(name)) {
    char* end = nullptr;
    values.push_back(std::strtol(line.c_str(), &end, 10));
    EXPECT_EQ(*end, '\0') << name << ": \"" << line << "\"";
  }
  return values;
}

double WrappedDifference(double a, double b) { return std::remainder(b - a, 360.0); }

}  // namespace

// Daily tables: 60000 records "longitude,declination"; limits from the bodies'
// orbits (Chiron's inclination of 7 degrees, the Uranian points on the ecliptic).
TEST(ShippedDataFiles, DailyTablesHoldSixtyThousandRecordsInRange) {
  struct Case { const char* file; double maxDecl; double maxDailyMotion; };
  const Case cases[] = {
      {"CHIRON.DAT", 31.0, 0.2},   {"TP.DAT", 24.0, 0.1},        {"t-Cupido.DAT", 24.0, 0.1},
      {"t-Hades.DAT", 24.0, 0.1},  {"t-Zeus.DAT", 24.0, 0.1},    {"t-Kronos.DAT", 24.0, 0.1},
      {"t-Apollon.DAT", 24.0, 0.1}, {"t-Admetos.DAT", 24.0, 0.1}, {"t-Vulkanus.DAT", 24.0, 0.1},
      {"t-Poseidon.DAT", 24.0, 0.1},
  };
  for (const auto& c : cases) {
    const auto lines = Lines(c.file);
    ASSERT_EQ(lines.size(), 60000u) << c.file;
    double previous = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
      char* end = nullptr;
      const double lon = std::strtod(lines[i].c_str(), &end);
      ASSERT_EQ(*end, ',') << c.file << " record " << i << ": " << lines[i];
      const double decl = std::strtod(end + 1, &end);
      ASSERT_EQ(*end, '\0') << c.file << " record " << i << ": " << lines[i];
      ASSERT_GE(lon, 0.0) << c.file << " record " << i;
      ASSERT_LT(lon, 360.0) << c.file << " record " << i;
      ASSERT_LE(std::fabs(decl), c.maxDecl) << c.file << " record " << i;
      if (previous >= 0) {
        ASSERT_LT(std::fabs(WrappedDifference(previous, lon)), c.maxDailyMotion) << c.file << " record " << i;
      }
      previous = lon;
    }
  }
}

// Lilith.dat: 166 values (1900 to 2065) of one uniform motion, so that the
// loader's year-by-year rate reproduces it.
TEST(ShippedDataFiles, LilithYearlyValuesFollowTheUniformMotion) {
  const auto lines = Lines("Lilith.dat");
  ASSERT_EQ(lines.size(), 166u);
  std::vector<double> values;
  for (const auto& line : lines) values.push_back(std::stod(line));
  for (size_t y = 0; y + 1 < values.size(); ++y) {
    const int year = 1900 + static_cast<int>(y);
    const int days = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 366 : 365;
    ASSERT_GE(values[y], 0.0);
    ASSERT_LT(values[y], 360.0);
    EXPECT_NEAR(WrappedDifference(values[y] + days * 3.01844767123288, values[y + 1]), 0.0, 2e-6) << year;
  }
}

TEST(ShippedDataFiles, DrawingTablesHoldTheirCountsAndWrap) {
  const auto radius = Integers("RADIUS.DAT");
  ASSERT_EQ(radius.size(), 361u);
  EXPECT_EQ(radius[360], radius[0]);
  for (long r : radius) {
    EXPECT_GE(r, 194);  // the single wheel's ring radii run from 194 to 217
    EXPECT_LE(r, 217);
  }
  const auto places = Integers("HCDATA.DAT");
  ASSERT_EQ(places.size(), 121u);
  EXPECT_EQ(places[120], 0);
  for (long v : places) EXPECT_LE(std::labs(v), 300);
  // Label items of one cusp stand on one line, left to right.
  for (int c = 0; c < 12; ++c) {
    for (int item = 1; item < 5; ++item) {
      EXPECT_EQ(places[10 * c + 2 * item + 1], places[10 * c + 1]) << "cusp entry " << c + 1;
      EXPECT_GT(places[10 * c + 2 * item], places[10 * c + 2 * item - 2]) << "cusp entry " << c + 1;
    }
  }
}

TEST(ShippedDataFiles, StarNotesOneLinePerStarNamingItsNature) {
  const auto lines = Lines("STARS.TXT");
  ASSERT_EQ(lines.size(), 74u);  // the 74 stars of the fixed-star table, in order
  const char* planets[] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};
  for (const auto& line : lines) {
    bool nature = false;
    for (const char* p : planets) nature = nature || line.rfind(p, 0) == 0;
    EXPECT_TRUE(nature) << line;
    EXPECT_LE(line.size(), 64u) << line;
    for (unsigned char ch : line) EXPECT_TRUE(ch >= 0x20 && ch < 0x7F) << line;
  }
}

// Orb files: a value in the first 7 characters of each line, a comment after it.
TEST(ShippedDataFiles, OrbFilesHoldSeventeenOrTenValueLines) {
  const char* wheelFiles[] = {"NATAL.ORB",    "TRANSIT.ORB", "SOLARARC.ORB", "Progress.orb",
                              "NAT2TRAN.ORB", "SYNASTRY.ORB", "SOLARRTN.ORB", "LUNARRTN.ORB",
                              "INGRESS.ORB",  "NAT2SR.ORB",   "NAT2LR.ORB",   "NAT2INGR.ORB"};
  struct Case { std::string file; size_t lines; };
  std::vector<Case> cases;
  for (const char* f : wheelFiles) cases.push_back({f, 17});
  cases.push_back({"DIURNAL.ORB", 10});
  for (const auto& c : cases) {
    const auto lines = Lines(c.file);
    ASSERT_EQ(lines.size(), c.lines) << c.file;
    for (size_t k = 0; k < lines.size(); ++k) {
      ASSERT_GT(lines[k].size(), 7u) << c.file << " line " << k + 1 << " has no comment";
      const double orb = Val(lines[k].substr(0, 7));
      if (k < 15) {  // aspect codes 2 to 16
        EXPECT_GT(orb, 0.0) << c.file << " line " << k + 1;
        EXPECT_LE(orb, 10.0) << c.file << " line " << k + 1;
      } else {
        EXPECT_EQ(orb, 0.0) << c.file << " line " << k + 1;
      }
    }
  }
  // Directions and progressions are read much tighter than the natal chart.
  EXPECT_LT(Val(Lines("SOLARARC.ORB")[0].substr(0, 7)), Val(Lines("NATAL.ORB")[0].substr(0, 7)));
  EXPECT_LT(Val(Lines("NAT2TRAN.ORB")[0].substr(0, 7)), Val(Lines("NATAL.ORB")[0].substr(0, 7)));
}

TEST(ShippedDataFiles, OptionFilesHold244Lines) {
  for (const char* name : {"OPTIONS.OPT", "OPTIONS.MAS"}) {
    const std::string path = ProgramFile(halcyra::testing::StagedProgramDir(), name);
    if (!FileExists(path)) GTEST_SKIP() << name << " is not in the program folder yet";
    EXPECT_EQ(Lines(name).size(), 244u) << name;
  }
}

TEST(ShippedDataFiles, GlyphFontShipsWithItsLicence) {
  const auto font = ReadWholeFile(ProgramFile(halcyra::testing::StagedProgramDir(), "Orvane.ttf"));
  ASSERT_TRUE(font.has_value());
  EXPECT_EQ(font->substr(0, 4), std::string("\0\1\0\0", 4));  // TrueType outlines
  const auto licence = ReadWholeFile(ProgramFile(halcyra::testing::StagedProgramDir(), "Orvane-LICENSE.txt"));
  ASSERT_TRUE(licence.has_value());
  EXPECT_NE(licence->find("SIL Open Font License, Version 1.1"), std::string::npos);
  EXPECT_NE(licence->find("DISCLAIMER"), std::string::npos);
  EXPECT_NE(licence->find("Bitstream Vera Fonts Copyright"), std::string::npos);
}

TEST(ShippedDataFiles, TheProgramFolderLoadsWholly) {
  AppState state;
  state.AppPath = halcyra::testing::StagedProgramDir();
  std::vector<std::string> captions;
  ASSERT_NO_THROW(LoadStartupData(state, [&](const std::string& c) { captions.push_back(c); }));
  EXPECT_EQ(captions.size(), 13u);
  EXPECT_EQ(state.tables.StarText[73].empty(), false);
  EXPECT_EQ(state.tables.StarText[74], "");
  // Every daily table is filled to its last day, 19 March 2064.
  EXPECT_NE(state.tables.Chiron.Long[59999], 0.0f);
  EXPECT_NE(state.tables.Uranian[7].Long[59999], 0.0f);
  EXPECT_NE(state.tables.Lilith.Long[59999], 0.0f);
}
