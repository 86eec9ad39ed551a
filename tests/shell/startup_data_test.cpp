// The start-up loader: its free-format number reader, then small program
// folders written by the test and every way a file can fail. What the
// shipped files fill is checked against the Swiss Ephemeris in tests/tools.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "shell/delimited_numbers.h"
#include "shell/startup_data.h"
#include "support/test_support.h"

using namespace halcyra;

namespace {

void WriteFile(const std::string& dir, const std::string& name, const std::string& bytes) {
  std::ofstream(dir + "/" + name, std::ios::binary) << bytes;
}

std::string Repeat(const std::string& line, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) s += line;
  return s;
}

constexpr const char* DailyFiles[] = {"CHIRON.DAT",    "TP.DAT",        "t-Cupido.DAT",  "t-Hades.DAT",
                                     "t-Zeus.DAT",    "t-Kronos.DAT",  "t-Apollon.DAT", "t-Admetos.DAT",
                                     "t-Vulkanus.DAT", "t-Poseidon.DAT"};
constexpr const char* DegreeFiles[] = {"ALMUTD1.DAT", "ALMUTD2.DAT", "ALMUTN1.DAT", "ALMUTN2.DAT", "RADIUS.DAT"};

// The files of a program folder whose every table is full, with made-up
// values; HCDATA.DAT, which alone may be short, holds two, and every case
// loads past it.
using FileBytes = std::pair<std::string, std::string>;
std::vector<FileBytes> ValidFiles() {
  std::vector<FileBytes> files = {
      {"STARS.TXT", "first note\r\nsecond note\r\n"}, {"HCDATA.DAT", "10\r\n-20\r\n"},
      {"Lilith.dat", "15.0\r\n1.0\r\n" + Repeat("200.0\r\n", 164)}};
  for (const char* degrees : DegreeFiles) files.emplace_back(degrees, "4\r\n" + Repeat("5\r\n", 360));
  for (const char* daily : DailyFiles) files.emplace_back(daily, Repeat("10.5,-1.25\r\n", 60000));
  return files;
}

// One valid folder for every case: a case spoils one file and puts it back.
class StartupDataLoader : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir = halcyra::testing::ScratchDir("startup-data");
    valid = ValidFiles();
    for (const auto& [file, bytes] : valid) WriteFile(dir, file, bytes);
  }
  static StartupTables Load() {
    AppState state;
    state.AppPath = dir;
    LoadStartupData(state, nullptr);
    return std::move(state.tables);
  }
  // Loads with `file` holding `bytes` (removed when they are empty) and
  // returns the refusal, or nullopt when the folder was taken.
  static std::optional<StartupFileError> Refusal(const std::string& file, const std::string& bytes) {
    if (bytes.empty()) std::remove((dir + "/" + file).c_str());
    else WriteFile(dir, file, bytes);
    std::optional<StartupFileError> refused;
    try {
      Load();
    } catch (const StartupFileError& e) {
      refused = e;
    }
    WriteFile(dir, file, std::ranges::find(valid, file, &FileBytes::first)->second);
    return refused;
  }
  static inline std::string dir;
  static inline std::vector<FileBytes> valid;  // built once: the daily tables are long
};

}  // namespace

TEST(DelimitedNumbers, ReadsEveryNumberFormExactlyAsTheCLibrary) {
  const char* forms[] = {"0", "-0.5", "+2.25", ".5", "12.", "359.99999", "-89.12345", "1e3", "-2.5E-2",
                         "123456789012345", "1234567890123456789", "0.1", "3.01844767123288", "007.50"};
  for (const char* text : forms) {
    DelimitedNumbers numbers(text, "test");
    EXPECT_EQ(numbers.Next(), std::strtod(text, nullptr)) << text;
    EXPECT_TRUE(numbers.AtEnd()) << text;
  }
  // The daily tables' form, at random: the same double, bit for bit.
  std::mt19937 random(1899);
  std::uniform_real_distribution<double> angle(-90.0, 360.0);
  char text[32];
  for (int i = 0; i < 100000; ++i) {
    std::snprintf(text, sizeof text, i % 2 ? "%.5f" : "%.9f", angle(random));
    DelimitedNumbers numbers(text, "test");
    ASSERT_EQ(numbers.Next(), std::strtod(text, nullptr)) << text;
  }
}

// Every bad file stops the loader with an error that names the file and
// line; how separators and line ends count shows in the lines named.
TEST_F(StartupDataLoader, BadFilesRaiseAnErrorNamingFileAndLine) {
  // file, its content (empty: removed), the line and words the error names
  struct Case { std::string file, content; long line; std::string words; };
  std::vector<Case> cases = {
      {"RADIUS.DAT", "", 0, "File not found"},
      {"Lilith.dat", "", 0, "File not found"},
      {"STARS.TXT", Repeat("a note\r\n", 76), 76, "more than 75 lines"},
      {"HCDATA.DAT", Repeat("1\r\n", 122), 122, "more than 121 values"},
      {"ALMUTD2.DAT", Repeat("2\r\n", 361) + "3\r\n", 362, "more than 361 values"},
      {"CHIRON.DAT", Repeat("1.5,2.5\r\n", 60001), 60001, "more than 60000 records"},
      {"CHIRON.DAT", "1.5,2.5\r\n1.5,abc\r\n", 2, "\"abc\" is not a number"},
      {"t-Hades.DAT", "1.5,2.5\r\n3.0\r\n", 3, "the file ends where a number is expected"},
      {"t-Kronos.DAT", "1.5,,2.5\r\n", 1, "empty field"},
      {"ALMUTN1.DAT", "1\r\n2\r\nSun\r\n", 3, "\"Sun\" is not a number"},
      {"ALMUTN1.DAT", "1\r\nS\xF8n\r\n", 2, "\"S\xC3\xB8n\" is not a number"},  // quoted in UTF-8
      {"RADIUS.DAT", "217\r\n40000\r\n", 2, "outside -32768 to 32767"},
      {"ALMUTN2.DAT", "0\r\n6\r\n32\r\n", 3, "32 is not a point number (0 to 31)"},
      {"ALMUTD1.DAT", "4\r\n-1\r\n", 2, "-1 is not a point number (0 to 31)"},
      // fits a double but not the tables' single precision
      {"CHIRON.DAT", "1.5,2.5\r\n1e39,2.5\r\n", 2, "\"1e39\" is beyond the range of a single-precision value"},
      {"t-Zeus.DAT", "1.5,2.5\r\n1.5,\r\n-4e38\r\n", 3, "\"-4e38\" is beyond"},
      {"Lilith.dat", "15\r\n16\r\n1e300\r\n", 3, "\"1e300\" is beyond"},
      {"RADIUS.DAT", "  \r\n", 0, "RADIUS.DAT: the file ends after 0 of its 361 values"},
      // 1900 to 2064 fill the grid up to 19 March 2064; the days after it need 2065
      {"Lilith.dat", Repeat("15.0\r\n", 165), 0, "Lilith.dat: the file ends after 165 of its 166 yearly values"},
  };
  // A table one value short would leave its last entry 0 (a glyph at the
  // wheel's centre, a blank almuten, a body at 0 degrees): it is refused by
  // name with the count it must hold.
  for (std::string file : DegreeFiles)
    cases.push_back({file, Repeat("5\r\n", 360), 0, file + ": the file ends after 360 of its 361 values"});
  for (std::string file : DailyFiles)
    cases.push_back({file, Repeat("1.5,2.5\r\n", 59999), 0, file + ": the file ends after 59999 of its 60000 records"});
  for (const auto& c : cases) {
    const auto refused = Refusal(c.file, c.content);
    if (!refused) {
      ADD_FAILURE() << "the loader accepted a bad " << c.file << " (" << c.words << ")";
      continue;
    }
    EXPECT_EQ(std::pair(refused->File, refused->Line), std::pair(c.file, c.line)) << refused->what();
    EXPECT_NE(std::string(refused->what()).find(c.words), std::string::npos) << refused->what();
    EXPECT_NE(std::string(refused->what()).find(c.file), std::string::npos) << refused->what();
  }
}
