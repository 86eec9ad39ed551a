// Reading numbers from settings text and writing them back.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/number_text.h"

namespace halcyra {
namespace {

struct ValCase {
  const char* text;
  double expected;
  const char* why;
};

TEST(NumberText, ValReadsTheLongestNumericPrefix) {
  const ValCase cases[] = {
      {"  3.5 some comment", 3.5, "leading blanks, comment after the number"},
      {"1 5", 15, "blanks inside a number are skipped"},
      {"\t-\t2 .5", -2.5, "tabs skipped anywhere"},
      {"-300", -300, "negative whole number"},
      {"+7", 7, "explicit plus sign"},
      {".25", 0.25, "no digit before the point"},
      {"1.2.3", 1.2, "a second point ends the number"},
      {"12abc", 12, "letters end the number"},
      {"abc", 0, "no number gives 0"},
      {"", 0, "empty text (a cancelled input box) gives 0"},
      {"-", 0, "a sign alone is no number"},
      {"1e3", 1000, "exponent"},
      {"2.5E-2", 0.025, "negative exponent"},
      {"1D2", 100, "D also marks an exponent"},
      {"1e", 1, "an exponent without digits is not part of the number"},
      {"&H1F", 31, "hexadecimal prefix"},
      {"&hff", 255, "hexadecimal in small letters"},
      {"&O17", 15, "octal prefix"},
      {"&O19", 1, "octal stops at the first non-octal digit"},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(Val(c.text), c.expected) << "text \"" << c.text << "\": " << c.why;
}

TEST(NumberText, WholeNumbersRoundHalvesToEven) {
  const struct {
    const char* text;
    long expected;
  } cases[] = {{"0.5", 0}, {"1.5", 2}, {"2.5", 2}, {"3.5", 4}, {"-0.5", 0},
               {"-1.5", -2}, {"-2.5", -2}, {"2.4999", 2}, {"2.5001", 3}, {"-7.6", -8}};
  for (const auto& c : cases) EXPECT_EQ(ValInt(c.text), c.expected) << "text " << c.text;
}

TEST(NumberText, SettingsNumbersCarryALeadingBlankUnlessNegative) {
  const struct {
    double value;
    int significant;
    const char* expected;
  } cases[] = {
      {10, 15, " 10"},       {10.5, 15, " 10.5"},    {-300, 15, "-300"},
      {0, 15, " 0"},         {8550, 7, " 8550"},     {0.1f, 7, " 0.1"},  // single precision stays short
      {675, 7, " 675"},      {-0.25, 15, "-0.25"},   {123456789, 15, " 123456789"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StrNumber(c.value, c.significant), c.expected) << "value " << c.value;
}

}  // namespace
}  // namespace halcyra
