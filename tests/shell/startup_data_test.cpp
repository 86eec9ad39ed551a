// The start-up loader: its free-format number reader, then small program
// folders written by the test and every way a file can fail. What the
// shipped files fill is checked against the Swiss Ephemeris in tests/tools.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

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

// A complete folder of tiny but valid files.
std::string SmallProgramFolder(const std::string& name) {
  const std::string dir = halcyra::testing::ScratchDir(name);
  const std::pair<const char*, const char*> files[] = {
      {"STARS.TXT", "first note\r\nsecond note\r\n"}, {"HCDATA.DAT", "10\r\n-20\r\n"}, {"ALMUTD1.DAT", "4\r\n4\r\n"},
      {"ALMUTD2.DAT", "0\r\n1\r\n"}, {"ALMUTN1.DAT", "5\r\n"}, {"ALMUTN2.DAT", "0\r\n"},
      {"RADIUS.DAT", "217\r\n216\r\n"}, {"Lilith.dat", "15.0\r\n1.0\r\n"}};
  for (const auto& [file, bytes] : files) WriteFile(dir, file, bytes);
  for (const char* daily : {"CHIRON.DAT", "TP.DAT", "t-Cupido.DAT", "t-Hades.DAT", "t-Zeus.DAT", "t-Kronos.DAT",
                            "t-Apollon.DAT", "t-Admetos.DAT", "t-Vulkanus.DAT", "t-Poseidon.DAT"})
    WriteFile(dir, daily, "10.5,-1.25\r\n11.0,-1.5\r\n");
  return dir;
}

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
TEST(StartupDataLoader, BadFilesRaiseAnErrorNamingFileAndLine) {
  // file, its content (empty: removed), the line and words the error names
  const struct { const char* file; std::string content; long line; const char* words; } cases[] = {
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
      {"RADIUS.DAT", "217\r\n40000\r\n", 2, "outside -32768 to 32767"},
      {"ALMUTN2.DAT", "0\r\n6\r\n32\r\n", 3, "32 is not a point number (0 to 31)"},
      {"ALMUTD1.DAT", "4\r\n-1\r\n", 2, "-1 is not a point number (0 to 31)"},
      // fits a double but not the tables' single precision
      {"CHIRON.DAT", "1.5,2.5\r\n1e39,2.5\r\n", 2, "\"1e39\" is beyond the range of a single-precision value"},
      {"t-Zeus.DAT", "1.5,2.5\r\n1.5,\r\n-4e38\r\n", 3, "\"-4e38\" is beyond"},
      {"Lilith.dat", "15\r\n16\r\n1e300\r\n", 3, "\"1e300\" is beyond"},
  };
  for (const auto& c : cases) {
    const std::string dir = SmallProgramFolder("failure");
    if (c.content.empty()) std::remove((dir + "/" + c.file).c_str());
    else WriteFile(dir, c.file, c.content);
    try {
      AppState state;
      state.AppPath = dir;
      LoadStartupData(state, nullptr);
      ADD_FAILURE() << "the loader accepted a bad " << c.file << " (" << c.words << ")";
    } catch (const StartupFileError& e) {
      EXPECT_EQ(e.File, c.file) << e.what();
      EXPECT_EQ(e.Line, c.line) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.words), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.file), std::string::npos) << e.what();
    }
  }
}
