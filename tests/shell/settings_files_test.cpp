// The settings files: value lists (the option file, the orb files, the
// diurnal orbs) and Orvane.INI with its defaults, key conditions and order.
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "platform/text_files.h"
#include "shell/settings_files.h"
#include "shell/startup_data.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::vector<float> ReadList(const std::string& text, size_t size, float previous = -1) {
  const std::string dir = testing::ScratchDir("value-list");
  WriteFile(dir + "/LIST.ORB", text);
  std::vector<float> values(size, previous);
  ReadValueListFile(dir + "/LIST.ORB", values);
  return values;
}

TEST(ValueListFile, ValueInTheFirstSevenColumnsCommentAfter) {
  const auto v = ReadList(
      "  3.5 conjunction orb\r\n"   // blanks before the value, comment after
      "1 5    spaced digits\r\n"     // blanks inside the field are skipped
      "1234567890 long value\r\n"    // only seven columns count
      "-2.25\r\n"                    // no comment at all
      "letters\r\n"                  // no number reads 0
      "   \r\n"                      // blanks only: 0, and reading goes on
      "&H10   hexadecimal\r\n"
      "7\n",                         // a line ended by LF alone
      9);
  EXPECT_EQ(v, (std::vector<float>{3.5f, 15, 1234567, -2.25f, 0, 0, 16, 7, -1}));
  // An empty line ends the list; elements not reached keep their values.
  EXPECT_EQ(ReadList("1\r\n2\r\n\r\n4\r\n5\r\n", 5, 9), (std::vector<float>{1, 2, 9, 9, 9}));
  // Lines beyond the table are ignored.
  std::string text;
  for (int k = 1; k <= 250; ++k) text += std::to_string(k) + "      line\r\n";
  const auto full = ReadList(text, 244);
  EXPECT_EQ(std::pair(full.front(), full.back()), std::pair(1.0f, 244.0f));
}

// A value that no whole number or single-precision value can hold is refused
// with the file and the line, and the table keeps every value it had.
TEST(ValueListFile, ValuesBeyondRangeAreRefusedWithFileAndLine) {
  const struct { const char* text; long line; } cases[] = {
      {"1\r\n2\r\n1e30   home longitude\r\n", 3},
      {"1e39\r\n", 1},                   // beyond single precision
      {"-3e9\r\n", 1},                   // beyond a 32-bit whole number
      {"1\r\n9e9   a comment\r\n", 2},
  };
  for (const auto& c : cases) {
    try {
      ReadList(c.text, 4, 9);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const StartupFileError& error) {
      EXPECT_EQ(std::pair(error.File, error.Line), std::pair(std::string("LIST.ORB"), c.line)) << c.text;
      EXPECT_TRUE(std::string(error.what()).starts_with("LIST.ORB, line " + std::to_string(c.line) + ": the value"))
          << error.what();
    }
  }
  // Values just inside still read; a refused file changes no element.
  EXPECT_EQ(ReadList("2.1e9\r\n-2.1e9\r\n", 2), (std::vector<float>{2.1e9f, -2.1e9f}));
  const std::string dir = testing::ScratchDir("value-list-refused");
  WriteFile(dir + "/OPTIONS.OPT", "5\r\n1e30\r\n");
  std::vector<float> kept = {7, 8};
  EXPECT_THROW(ReadValueListFile(dir + "/OPTIONS.OPT", kept), StartupFileError);
  EXPECT_EQ(kept, (std::vector<float>{7, 8}));
}

TEST(ValueListFile, LoadersFillTheirTablesFromElementOne) {
  AppState state;
  state.AppPath = testing::ScratchDir("loaders");
  WriteFile(state.AppPath + "/options.opt", "5\r\n6\r\n");  // found whatever the case
  WriteFile(state.AppPath + "/Diurnal.orb", "1.5\r\n2.5\r\n");
  WriteFile(state.AppPath + "/NAT2TRAN.orb", "8\r\n");
  LoadOptionsFile(state);
  LoadDiurnalOrbs(state);
  state.options.OrbFileName = state.AppPath + "/NAT2TRAN.ORB";
  LoadOrbFile(state);
  const auto& o = state.options;
  EXPECT_EQ((std::vector<float>{o.OptionValues[0], o.OptionValues[1], o.OptionValues[2], o.DiurnalOrb[2],
                                o.AspectOrb[1], o.AspectOrb[2]}),
            (std::vector<float>{0, 5, 6, 2.5f, 8, 0}));
}

AppState StateWithIni(const std::string& name, const std::string& iniText) {
  AppState state;
  state.AppPath = testing::ScratchDir(name);
  if (!iniText.empty()) WriteFile(state.AppPath + "/Orvane.INI", iniText);
  LoadIniSettings(state);
  return state;
}

// The defaults are the golden first-run file the start-up window test also
// reads, with this program folder in the file names.
TEST(IniFile, FirstRunWritesTheDefaults) {
  AppState state = StateWithIni("ini-first-run", "");
  ASSERT_TRUE(SaveIniSettings(state));
  std::string expected;
  const auto golden = ReadTextLines(std::string(HALCYRA_TEST_DATA) + "/gui/first_run.ini");
  for (std::string line : golden.value())
    expected += (line.find('<') == std::string::npos ? line : line.replace(line.find('<'), 16, state.AppPath)) + "\r\n";
  EXPECT_EQ(*ReadWholeFile(state.AppPath + "/Orvane.INI"), expected);  // 20 lines: no AtlasDir line
  state.AppPath += "/missing-folder";
  EXPECT_FALSE(SaveIniSettings(state)) << "an unwritable folder is reported";
}

TEST(IniFile, WrittenValuesReadBackTheSame) {
  AppState state = StateWithIni("ini-round-trip", "");
  const IniSettings& ini = state.ini = {
      .FontSize = 10.5, .FontBold = 1, .MainTop = -300, .MainLeft = 1215, .MainWidth = 9000,
      .DataTop = 700, .DataLeft = -15, .DataHeight = 5000, .DataWidth = 8000,
      .AstrLineTop = 7000.5, .AstrLineLeft = 30, .AstrLineWidth = 12000,
      .NamesFileName = "/home/user/charts/FAMILY.FIL", .CityFileName = "/home/user/charts/EUROPE.LL",
      .AtlasDir = "/opt/atlas", .StartScale = 300, .EuropeanChart = 1, .TransitSelection = std::string(84, '0')};
  ASSERT_TRUE(SaveIniSettings(state));
  const auto lines = ReadTextLines(state.AppPath + "/Orvane.INI");
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 21u);
  EXPECT_EQ((*lines)[4], "OrvaneTop=-300");
  EXPECT_EQ((*lines)[17], "AtlasDir=/opt/atlas");

  AppState reread;
  reread.AppPath = state.AppPath;
  LoadIniSettings(reread);
  EXPECT_EQ(IniFileLines(reread.ini), IniFileLines(ini)) << "every value read back writes the same line";
  EXPECT_EQ(reread.ini.AstrLineTop, 7000.5);
}

// The cases of tests/data/shell/ini_keys.txt: the INI text read, and the
// lines the settings then write where they differ from the defaults.
TEST(IniFile, EachKeyAppliesOnlyUnderItsCondition) {
  const std::vector<std::string> defaults = IniFileLines(StateWithIni("ini-key", "").ini);
  auto key = [](const std::string& line) { return line.substr(0, line.find('=')); };
  const auto cases = testing::ReadCaseTable("shell/ini_keys.txt");
  EXPECT_EQ(cases.size(), 19u);
  for (const auto& c : cases) {
    std::vector<std::string> expected = defaults;
    for (size_t k = 2; k < c.size(); ++k)
      for (std::string& e : expected)
        if (key(e) == key(c[k])) e = c[k];
    EXPECT_EQ(IniFileLines(StateWithIni("ini-key", c.at(0) + "\r\n").ini), expected) << c[0] << ": " << c.at(1);
  }
}

}  // namespace
}  // namespace halcyra
