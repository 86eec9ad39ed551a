// The shipped option file and its factory copy.
#include <gtest/gtest.h>

#include <set>

#include "platform/number_text.h"
#include "platform/text_files.h"
#include "shell/settings_files.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

std::vector<std::string> ShippedLines(const char* name) {
  const auto lines = ReadTextLines(testing::SourceAppData() + "/" + name);
  return lines ? *lines : std::vector<std::string>{};
}

TEST(OptionFiles, FactoryCopyEqualsTheOptionFile) {
  EXPECT_EQ(ReadWholeFile(testing::SourceAppData() + "/OPTIONS.OPT"),
            ReadWholeFile(testing::SourceAppData() + "/OPTIONS.MAS"));
}

TEST(OptionFiles, EveryOptionHasAValueLineAndAComment) {
  const auto lines = ShippedLines("OPTIONS.OPT");
  ASSERT_EQ(lines.size(), 244u);
  for (size_t k = 0; k < lines.size(); ++k) {
    const std::string& line = lines[k];
    ASSERT_GT(line.size(), 8u) << "line " << k + 1;
    const std::string field = line.substr(0, 7);
    EXPECT_NE(field.find_first_of("0123456789"), std::string::npos) << "line " << k + 1;
    EXPECT_EQ(field.find_first_not_of("0123456789.- "), std::string::npos) << "line " << k + 1;
    EXPECT_EQ(line[7], ' ') << "line " << k + 1;
  }
}

TEST(OptionFiles, ValuesAreInTheirRanges) {
  AppState state;
  state.AppPath = testing::SourceAppData();
  LoadOptionsFile(state);
  const auto& o = state.options.OptionValues;
  // Home place: Chicago, 87 deg 39 min west, 41 deg 51 min north, zone 6.
  EXPECT_EQ(o[18], 6);
  EXPECT_EQ(o[19], 87);
  EXPECT_EQ(o[20], 39);
  EXPECT_EQ(o[21], 0);
  EXPECT_EQ(o[22], 41);
  EXPECT_EQ(o[23], 51);
  EXPECT_EQ(o[24], 0);
  for (int k = 1; k <= 15; ++k) EXPECT_TRUE(o[k] > 0 && o[k] <= 15) << "aspect orb " << k;
  for (int k = 34; k <= 43; ++k) EXPECT_TRUE(o[k] > 0 && o[k] <= 10) << "moiety " << k;
  const std::set<int> colours = {88, 89, 90, 91, 92, 93, 94, 95, 96, 103, 104, 105, 106, 107, 108,
                                 109, 110, 111, 145, 146, 147, 148, 149, 150, 151, 152, 154, 176};
  for (int k : colours) EXPECT_TRUE(o[k] >= 0 && o[k] <= 15 && o[k] == static_cast<int>(o[k])) << "colour " << k;
  const std::set<int> fontSizes = {68, 69, 70, 71, 72, 73, 74, 75, 76, 78, 79, 80, 81, 82,
                                   83, 84, 85, 86, 141, 142, 143, 144, 153, 174};
  for (int k : fontSizes) EXPECT_TRUE(o[k] >= 6 && o[k] <= 36) << "font size " << k;
  EXPECT_TRUE(o[27] >= 1 && o[27] <= 9);
  EXPECT_GE(o[45], 2);  // the saved data file divides by option 45 - 1
  EXPECT_TRUE(o[46] >= 1 && o[46] <= 60);
  EXPECT_GT(o[30], 0);
  EXPECT_LT(o[117], o[118]);
  for (int k : {16, 28, 33, 47, 155, 156, 157, 197, 211}) EXPECT_TRUE(o[k] == 0 || o[k] == 1) << "switch " << k;
}

}  // namespace
}  // namespace halcyra
