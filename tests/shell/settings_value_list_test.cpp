// Value list files: the option file, the orb files and the diurnal orbs.
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "shell/settings_files.h"
#include "shell/startup_data.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

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
  const std::vector<float> expected = {3.5f, 15, 1234567, -2.25f, 0, 0, 16, 7, -1};
  EXPECT_EQ(v, expected);
}

TEST(ValueListFile, AnEmptyLineEndsTheList) {
  const auto v = ReadList("1\r\n2\r\n\r\n4\r\n5\r\n", 5, 9);
  const std::vector<float> expected = {1, 2, 9, 9, 9};  // elements not reached keep their values
  EXPECT_EQ(v, expected);
}

TEST(ValueListFile, LinesBeyondTheTableAreIgnored) {
  std::string text;
  for (int k = 1; k <= 250; ++k) text += std::to_string(k) + "      line\r\n";
  const auto v = ReadList(text, 244);
  ASSERT_EQ(v.size(), 244u);
  EXPECT_EQ(v.front(), 1);
  EXPECT_EQ(v.back(), 244);
}

TEST(ValueListFile, AMissingFileStopsWithItsName) {
  std::vector<float> values(3, 0);
  try {
    ReadValueListFile("/no/such/folder/NATAL.ORB", values);
    FAIL() << "no error for a missing file";
  } catch (const StartupFileError& error) {
    EXPECT_EQ(error.File, "NATAL.ORB");
    EXPECT_NE(std::string(error.what()).find("/no/such/folder/NATAL.ORB"), std::string::npos);
  }
}

TEST(ValueListFile, LoadersFillTheirTablesFromElementOne) {
  AppState state;
  state.AppPath = testing::ScratchDir("loaders");
  WriteFile(state.AppPath + "/options.opt", "5\r\n6\r\n");    // found whatever the case
  WriteFile(state.AppPath + "/Diurnal.orb", "1.5\r\n2.5\r\n");
  WriteFile(state.AppPath + "/NAT2TRAN.orb", "8\r\n");
  LoadOptionsFile(state);
  LoadDiurnalOrbs(state);
  state.options.OrbFileName = state.AppPath + "/NAT2TRAN.ORB";
  LoadOrbFile(state);
  EXPECT_EQ(state.options.OptionValues[0], 0);
  EXPECT_EQ(state.options.OptionValues[1], 5);
  EXPECT_EQ(state.options.OptionValues[2], 6);
  EXPECT_EQ(state.options.DiurnalOrb[2], 2.5f);
  EXPECT_EQ(state.options.AspectOrb[1], 8);
  EXPECT_EQ(state.options.AspectOrb[2], 0);
}

}  // namespace
}  // namespace halcyra
