// Lenient number reading and the settings number form.
#include <gtest/gtest.h>

#include "platform/number_text.h"

using namespace halcyra;

TEST(Val, ReadsLikeTheSettingsFiles) {
  struct Case { const char* text; double expected; };
  const Case cases[] = {
      {"", 0},          {"abc", 0},       {"  12", 12},       {"1 5", 15},
      {"-3.25x", -3.25}, {"+7", 7},       {"1.2.3", 1.2},     {"&H1F", 31},
      {"&o17", 15},     {"2e3", 2000},    {"2e", 2},          {".5", 0.5},
      {"-", 0},         {"\t4\r\n", 4},   {"1,5", 1},         {"6  Sun orb", 6},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.expected) << "text \"" << c.text << "\"";
}

TEST(Val, WholeNumbersRoundHalvesToEven) {
  EXPECT_EQ(ValInt("2.5"), 2);
  EXPECT_EQ(ValInt("3.5"), 4);
  EXPECT_EQ(ValInt("-2.5"), -2);
  EXPECT_EQ(ValInt("2.51"), 3);
}

TEST(StrNumber, LeadingBlankForNonNegative) {
  EXPECT_EQ(StrNumber(10), " 10");
  EXPECT_EQ(StrNumber(10.5), " 10.5");
  EXPECT_EQ(StrNumber(-300), "-300");
  EXPECT_EQ(StrNumber(0), " 0");
  EXPECT_EQ(StrNumber(0.1f, 7), " 0.1");
}
