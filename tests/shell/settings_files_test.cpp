// The settings files: value lists (the option file, the orb files, the
// diurnal orbs) and Orvane.INI with its defaults, key conditions and order.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "platform/text_files.h"
#include "shell/settings_files.h"
#include "shell/startup_data.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// LIST.ORB's text read into a table of four 9s, as options unless the row
// says orbs: the values read, or the line a refusal names (the table then
// unchanged).
TEST(ValueListFile, ValuesInTheFirstSevenColumnsOrARefusalWithFileAndLine) {
  const struct { const char* text; std::vector<float> values; long badLine; ValueRange range = OptionRange; } cases[] = {
      // blanks before the value, a comment after, blanks inside the field, seven columns only, no comment
      {"  3.5 conjunction orb\r\n1 5    spaced digits\r\n1234567890 long value\r\n-2.25\r\n",
       {3.5f, 15, 1234567, -2.25f}, 0},
      // no number reads 0, blanks only too and reading goes on; hexadecimal; a line ended by LF alone
      {"letters\r\n   \r\n&H10   hexadecimal\r\n7\n", {0, 0, 16, 7}, 0},
      {"1\r\n2\r\n\r\n4\r\n", {1, 2, 9, 9}, 0},        // an empty line ends the list
      {"1\r\n2\r\n3\r\n4\r\n5\r\n", {1, 2, 3, 4}, 0},  // lines beyond the table are ignored
      {"2.1e9\r\n-2.1e9\r\n", {2.1e9f, -2.1e9f, 9, 9}, 0},
      {"1\r\n2\r\n1e30   home longitude\r\n", {}, 3},
      {"1e39\r\n", {}, 1},  // beyond single precision
      {"-3e9\r\n", {}, 1},  // beyond a 32-bit whole number
      // orbs: 0 to 180 degrees from exact
      {"0\r\n180    opposition\r\n2.5\r\n", {0, 180, 2.5f, 9}, 0, OrbRange},
      {"8\r\n180.01\r\n", {}, 2, OrbRange},
      {"8\r\n6\r\n-0.5\r\n", {}, 3, OrbRange},
      {"9e30\r\n", {}, 1, OrbRange},
  };
  const std::string path = testing::ScratchDir("value-list") + "/LIST.ORB";
  for (const auto& c : cases) {
    WriteFile(path, c.text);
    std::vector<float> values(4, 9);
    try {
      ReadValueListFile(path, values, c.range);
      EXPECT_EQ(std::pair(values, 0L), std::pair(c.values, c.badLine)) << c.text;
    } catch (const StartupFileError& error) {
      EXPECT_EQ(std::pair(error.File, error.Line), std::pair(std::string("LIST.ORB"), c.badLine)) << c.text;
      EXPECT_TRUE(std::string(error.what()).starts_with("LIST.ORB, line " + std::to_string(c.badLine) + ": the value"))
          << error.what();
      EXPECT_EQ(values, std::vector<float>(4, 9)) << "a refused file changes no element";
    }
  }
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

// The cases of tests/data/shell/ini_keys.txt: the INI text read, and the
// lines the settings then write where they differ from the defaults.
TEST(IniFile, EachKeyAppliesOnlyUnderItsCondition) {
  const std::vector<std::string> defaults = IniFileLines(StateWithIni("ini-key", "").ini);
  auto keyOf = [](const std::string& key) {
    return [key = key.substr(0, key.find('='))](const std::string& line) { return line.starts_with(key + "="); };
  };
  const auto cases = testing::ReadCaseTable("shell/ini_keys.txt");
  EXPECT_EQ(cases.size(), 27u);
  for (const auto& c : cases) {
    std::vector<std::string> expected = defaults;
    for (size_t k = 2; k < c.size(); ++k) {
      if (const auto at = std::ranges::find_if(expected, keyOf(c[k])); at != expected.end()) *at = c[k];
      else expected.insert(std::ranges::find_if(expected, keyOf(c[k - 1])) + 1, c[k]);  // after the case's line before
    }
    EXPECT_EQ(IniFileLines(StateWithIni("ini-key", c.at(0) + "\r\n").ini), expected) << c[0] << ": " << c.at(1);
  }
}

}  // namespace
}  // namespace halcyra
