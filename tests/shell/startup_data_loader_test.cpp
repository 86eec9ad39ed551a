// The start-up loader on small program folders written by the test: what
// each file fills, Lilith's daily expansion, and every way a file can fail.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "shell/startup_data.h"
#include "support/test_support.h"

using namespace halcyra;

namespace {

const char* const DailyNames[] = {"CHIRON.DAT",    "TP.DAT",        "t-Cupido.DAT",   "t-Hades.DAT",
                                  "t-Zeus.DAT",    "t-Kronos.DAT",  "t-Apollon.DAT",  "t-Admetos.DAT",
                                  "t-Vulkanus.DAT", "t-Poseidon.DAT"};

void WriteFile(const std::string& dir, const std::string& name, const std::string& bytes) {
  std::ofstream(dir + "/" + name, std::ios::binary) << bytes;
}

std::string Repeat(const std::string& line, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) s += line;
  return s;
}

// A complete folder of tiny but valid files.
std::string SmallProgramFolder(const std::string& name) {
  const std::string dir = halcyra::testing::ScratchDir(name);
  WriteFile(dir, "STARS.TXT", "first note\r\nsecond note\r\n");
  WriteFile(dir, "HCDATA.DAT", "10\r\n-20\r\n");
  WriteFile(dir, "ALMUTD1.DAT", "4\r\n4\r\n");
  WriteFile(dir, "ALMUTD2.DAT", "0\r\n1\r\n");
  WriteFile(dir, "ALMUTN1.DAT", "5\r\n");
  WriteFile(dir, "ALMUTN2.DAT", "0\r\n");
  WriteFile(dir, "RADIUS.DAT", "217\r\n216\r\n");
  for (const char* daily : DailyNames) WriteFile(dir, daily, "10.5,-1.25\r\n11.0,-1.5\r\n");
  WriteFile(dir, "Lilith.dat", "15.0\r\n1.0\r\n");
  return dir;
}

AppState LoadFrom(const std::string& dir, std::vector<std::string>* captions = nullptr) {
  AppState state;
  state.AppPath = dir;
  LoadStartupData(state, [&](const std::string& c) {
    if (captions) captions->push_back(c);
  });
  return state;
}

// Runs the loader and returns the error it must raise.
StartupFileError LoadError(const std::string& dir) {
  AppState state;
  state.AppPath = dir;
  try {
    LoadStartupData(state, nullptr);
  } catch (const StartupFileError& e) {
    return e;
  }
  ADD_FAILURE() << "the loader accepted a bad folder " << dir;
  return StartupFileError("", 0, "");
}

}  // namespace

TEST(StartupDataLoader, CoverCaptionsFollowTheLoadingOrder) {
  std::vector<std::string> captions;
  LoadFrom(SmallProgramFolder("captions"), &captions);
  const std::vector<std::string> expected = {
      "Halcyra - Loading data files . . .",        "Halcyra - Loading Chiron ephemeris . . .",
      "Halcyra - Loading TransPluto ephemeris . . .", "Halcyra - Loading Cupido ephemeris . . .",
      "Halcyra - Loading Hades ephemeris . . .",   "Halcyra - Loading Zeus ephemeris . . .",
      "Halcyra - Loading Kronos ephemeris . . .",  "Halcyra - Loading Apollon ephemeris . . .",
      "Halcyra - Loading Admetos ephemeris . . .", "Halcyra - Loading Vulkanus ephemeris . . .",
      "Halcyra - Loading Poseidon ephemeris . . .", "Halcyra - Loading Lilith ephemeris . . .",
      "Halcyra - "};
  EXPECT_EQ(captions, expected);
}

TEST(StartupDataLoader, ShortFilesFillTheirFirstElementsAndLeaveTheRestZero) {
  const std::string dir = SmallProgramFolder("short");
  // 100 records, written both ways a record may stand: one line, or two.
  std::string tp;
  for (int i = 0; i < 100; ++i) tp += i % 2 ? std::to_string(i) + ".5, -3\r\n" : std::to_string(i) + "\r\n2.25\r\n";
  WriteFile(dir, "TP.DAT", tp);
  WriteFile(dir, "ALMUTN1.DAT", "3 4,5\r\n\r\n6\r\n");  // blanks, a comma and an empty line separate alike
  const AppState s = LoadFrom(dir);
  const auto& t = s.tables;

  EXPECT_EQ(t.StarText[0], "first note");
  EXPECT_EQ(t.StarText[1], "second note");
  EXPECT_EQ(t.StarText[2], "");
  EXPECT_EQ(t.GlyphStrokeData[0], 10);
  EXPECT_EQ(t.GlyphStrokeData[1], -20);
  EXPECT_EQ(t.GlyphStrokeData[2], 0);
  EXPECT_EQ(t.CoAlmutenDay[1], 1);
  EXPECT_EQ((std::vector<int>(t.AlmutenNight.begin(), t.AlmutenNight.begin() + 5)), (std::vector<int>{3, 4, 5, 6, 0}));
  EXPECT_EQ(t.GlyphRadius[1], 216);
  EXPECT_EQ(t.GlyphRadius[360], 0);

  EXPECT_FLOAT_EQ(t.TransPluto.Long[0], 0.0f);
  EXPECT_FLOAT_EQ(t.TransPluto.Decl[0], 2.25f);
  EXPECT_FLOAT_EQ(t.TransPluto.Long[99], 99.5f);
  EXPECT_FLOAT_EQ(t.TransPluto.Decl[99], -3.0f);
  EXPECT_EQ(t.TransPluto.Long[100], 0.0f);
  EXPECT_EQ(t.TransPluto.Decl[59999], 0.0f);
  ASSERT_EQ(t.TransPluto.Long.size(), 60000u);

  EXPECT_FLOAT_EQ(t.Chiron.Long[1], 11.0f);
  EXPECT_FLOAT_EQ(t.Uranian[7].Decl[1], -1.5f);
  EXPECT_EQ(t.Uranian[7].Long[2], 0.0f);
}

TEST(StartupDataLoader, WholeNumbersOfIntegerTablesRoundHalvesToEven) {
  const std::string dir = SmallProgramFolder("rounding");
  WriteFile(dir, "RADIUS.DAT", "2.5\r\n3.5\r\n-2.5\r\n200.7\r\n");
  const AppState s = LoadFrom(dir);
  EXPECT_EQ((std::vector<int>(s.tables.GlyphRadius.begin(), s.tables.GlyphRadius.begin() + 4)),
            (std::vector<int>{2, 4, -2, 201}));
}

// Lilith: yearly values from 1 January 1900 (element 21), expanded daily.
struct LilithCase {
  const char* file;
  double firstYearRate;  // expected degrees per day through 1900
  const char* source;
};

TEST(StartupDataLoader, LilithYearRateAddsThreeRevolutionsAndWrapsLargeBackSteps) {
  const LilithCase cases[] = {
      // The wrap applies only below -180: a small step back means a year of
      // a little under three revolutions.
      {"15.0\r\n1.0\r\n", (1.0 - 15.0 + 1080) / 365, "difference of -14 kept"},
      {"15.0\r\n200.0\r\n", (185.0 + 1080) / 365, "difference of 185 kept"},
      {"200.0\r\n15.0\r\n", (15.0 - 200.0 + 360 + 1080) / 365, "difference of -185 gains 360"},
      {"15.0\r\n-165.0\r\n", (-180.0 + 1080) / 365, "difference of exactly -180 kept"},
  };
  for (const auto& c : cases) {
    const std::string dir = SmallProgramFolder("lilith-rate");
    WriteFile(dir, "Lilith.dat", c.file);
    const AppState s = LoadFrom(dir);
    const auto& lon = s.tables.Lilith.Long;
    EXPECT_FLOAT_EQ(lon[21], static_cast<float>(std::stod(c.file))) << c.source;
    // Each day adds the year's rate to the stored day before, reduced to 0..360.
    for (int day = 22; day < 21 + 365; ++day) {
      const double expected = std::fmod(static_cast<double>(lon[day - 1]) + c.firstYearRate, 360.0);
      ASSERT_NEAR(lon[day], expected, 1e-4) << c.source << ", element " << day;
    }
    // 1900 holds 365 days; with no value after 1901 the year 1901 is not filled.
    EXPECT_EQ(lon[21 + 365], 0.0f) << c.source;
  }
}

TEST(StartupDataLoader, LilithDaysBefore1900RunBackAtTheMeanMotionUnreduced) {
  const std::string dir = SmallProgramFolder("lilith-back");
  WriteFile(dir, "Lilith.dat", "1.0\r\n30.0\r\n");
  const AppState s = LoadFrom(dir);
  const auto& lon = s.tables.Lilith.Long;
  const double motion = 3.01844767123288;
  EXPECT_NEAR(lon[20], 1.0 - motion, 1e-5);          // negative, kept as it is
  EXPECT_NEAR(lon[0], 1.0 - 21 * motion, 1e-4);      // -62.387...
  EXPECT_LT(lon[0], -62.0f);
}

TEST(StartupDataLoader, LilithWithOneValueFillsOnlyTheDaysBefore1900) {
  const std::string dir = SmallProgramFolder("lilith-one");
  WriteFile(dir, "Lilith.dat", "100\r\n");
  const AppState s = LoadFrom(dir);
  const auto& lon = s.tables.Lilith.Long;
  EXPECT_NEAR(lon[20], 100 - 3.01844767123288, 1e-4);
  EXPECT_EQ(lon[21], 0.0f);
  EXPECT_EQ(lon[22], 0.0f);
}

TEST(StartupDataLoader, LilithStopsAtTheLastDayOfTheTableAndHasNoDeclination) {
  // 200 yearly values run past the table's end (2064 March 19); reading stops there.
  std::string yearly;
  for (int y = 0; y < 200; ++y) yearly += std::to_string((y * 25) % 360) + "\r\n";
  const std::string dir = SmallProgramFolder("lilith-full");
  WriteFile(dir, "Lilith.dat", yearly);
  const AppState s = LoadFrom(dir);
  const auto& lilith = s.tables.Lilith;
  // 1 January 2064 is day 2474921, element 59921; its value is year 164's.
  EXPECT_FLOAT_EQ(lilith.Long[59921], static_cast<float>((164 * 25) % 360));
  EXPECT_NE(lilith.Long[59999], 0.0f);
  for (float d : lilith.Decl) ASSERT_EQ(d, 0.0f);
}

// Every bad file stops the loader with an error that names the file and line.
struct FailureCase {
  const char* file;
  std::string content;  // empty: the file is removed
  const char* expectedFile;
  long expectedLine;
  const char* words;  // part of the message
};

TEST(StartupDataLoader, BadFilesRaiseAnErrorNamingFileAndLine) {
  const FailureCase cases[] = {
      {"RADIUS.DAT", "", "RADIUS.DAT", 0, "File not found"},
      {"t-Zeus.DAT", "", "t-Zeus.DAT", 0, "File not found"},
      {"Lilith.dat", "", "Lilith.dat", 0, "File not found"},
      {"STARS.TXT", "", "STARS.TXT", 0, "File not found"},
      {"STARS.TXT", Repeat("a note\r\n", 76), "STARS.TXT", 76, "more than 75 lines"},
      {"HCDATA.DAT", Repeat("1\r\n", 122), "HCDATA.DAT", 122, "more than 121 values"},
      {"ALMUTD2.DAT", Repeat("2\r\n", 361) + "3\r\n", "ALMUTD2.DAT", 362, "more than 361 values"},
      {"CHIRON.DAT", Repeat("1.5,2.5\r\n", 60001), "CHIRON.DAT", 60001, "more than 60000 records"},
      {"CHIRON.DAT", "1.5,2.5\r\n1.5,abc\r\n", "CHIRON.DAT", 2, "\"abc\" is not a number"},
      {"TP.DAT", "1.5,2.5\r\n3.0x,1\r\n", "TP.DAT", 2, "\"3.0x\" is not a number"},
      {"t-Hades.DAT", "1.5,2.5\r\n3.0\r\n", "t-Hades.DAT", 3, "the file ends where a number is expected"},
      {"t-Kronos.DAT", "1.5,,2.5\r\n", "t-Kronos.DAT", 1, "empty field"},
      {"t-Kronos.DAT", "nan,1\r\n", "t-Kronos.DAT", 1, "is not a number"},
      {"ALMUTN1.DAT", "1\r\n2\r\nSun\r\n", "ALMUTN1.DAT", 3, "\"Sun\" is not a number"},
      {"RADIUS.DAT", "217\r\n40000\r\n", "RADIUS.DAT", 2, "outside -32768 to 32767"},
      {"Lilith.dat", "\r\n", "Lilith.dat", 2, "the file ends where a number is expected"},
      {"Lilith.dat", "15\r\n1e\r\n", "Lilith.dat", 2, "\"1e\" is not a number"},
  };
  for (const auto& c : cases) {
    const std::string dir = SmallProgramFolder("failure");
    if (c.content.empty()) {
      std::remove((dir + "/" + c.file).c_str());
    } else {
      WriteFile(dir, c.file, c.content);
    }
    const StartupFileError e = LoadError(dir);
    EXPECT_EQ(e.File, c.expectedFile) << c.file << ": " << e.what();
    EXPECT_EQ(e.Line, c.expectedLine) << c.file << ": " << e.what();
    EXPECT_NE(std::string(e.what()).find(c.words), std::string::npos) << c.file << ": " << e.what();
    EXPECT_NE(std::string(e.what()).find(c.expectedFile), std::string::npos) << e.what();
  }
}

TEST(StartupDataLoader, FileNamesMatchWhateverTheLetterCase) {
  const std::string dir = SmallProgramFolder("case");
  std::rename((dir + "/Lilith.dat").c_str(), (dir + "/LILITH.DAT").c_str());
  std::rename((dir + "/t-Zeus.DAT").c_str(), (dir + "/T-ZEUS.dat").c_str());
  const AppState s = LoadFrom(dir);
  EXPECT_FLOAT_EQ(s.tables.Lilith.Long[21], 15.0f);
  EXPECT_FLOAT_EQ(s.tables.Uranian[2].Long[0], 10.5f);
}
