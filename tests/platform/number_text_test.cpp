// Numbers read from settings text and written back, and the report formats.
#include <gtest/gtest.h>

#include "platform/number_format.h"
#include "platform/number_text.h"

namespace halcyra {
namespace {

TEST(NumberText, ValReadsTheLongestNumericPrefix) {
  const struct { const char* text; double expected; const char* why; } cases[] = {
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
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.expected) << "text \"" << c.text << "\": " << c.why;
}

TEST(NumberText, WholeNumbersRoundHalvesToEven) {
  const struct { const char* text; long expected; } cases[] = {
      {"0.5", 0},   {"1.5", 2},   {"2.5", 2},    {"3.5", 4},    {"-0.5", 0},
      {"-1.5", -2}, {"-2.5", -2}, {"2.4999", 2}, {"2.5001", 3}, {"-7.6", -8}};
  for (const auto& c : cases) EXPECT_EQ(ValInt(c.text), c.expected) << "text " << c.text;
}

TEST(NumberText, SettingsNumbersCarryALeadingBlankUnlessNegative) {
  const struct { double value; int significant; const char* expected; } cases[] = {
      {10, 15, " 10"},       {10.5, 15, " 10.5"},    {-300, 15, "-300"},
      {0, 15, " 0"},         {8550, 7, " 8550"},     {0.1f, 7, " 0.1"},  // single precision stays short
      {675, 7, " 675"},      {-0.25, 15, "-0.25"},   {123456789, 15, " 123456789"},
  };
  for (const auto& c : cases) EXPECT_EQ(StrNumber(c.value, c.significant), c.expected) << "value " << c.value;
}

TEST(NumberFormat, DigitPatternsRoundHalvesAwayFromZero) {
  const struct { double value; const char* pattern; const char* expected; } cases[] = {
      // "00": at least two digits; halves away from zero, not to even; no sign on a rounded zero
      {5, "00", "05"}, {0, "00", "00"}, {59.4, "00", "59"}, {59.5, "00", "60"}, {2.5, "00", "03"},
      {123, "00", "123"}, {-4, "00", "-04"}, {-0.4, "00", "00"},
      // "#0.00": one digit at least before the point; 2.675 is 2.67499... in binary, 15 digits say 2.675
      {0, "#0.00", "0.00"}, {3.14159, "#0.00", "3.14"}, {2.675, "#0.00", "2.68"}, {1.005, "#0.00", "1.01"},
      {0.005, "#0.00", "0.01"}, {0.004, "#0.00", "0.00"}, {-0.004, "#0.00", "0.00"}, {-0.005, "#0.00", "-0.01"},
      {-12.345, "#0.00", "-12.35"}, {99.995, "#0.00", "100.00"}, {11.5, "#0.00", "11.50"},
      // "##0.00": the same digits, no padding; plain patterns
      {87.65, "##0.00", "87.65"}, {187.654, "##0.00", "187.65"}, {0.5, "##0.00", "0.50"},
      {1234.5, "##0.00", "1234.50"}, {7, "0", "7"}, {7.5, "000", "008"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected) << "value " << c.value << " pattern " << c.pattern;
  EXPECT_EQ(FormatDateDdMmmYyyy(5, 3, 1990), "05 Mar 1990");
  EXPECT_EQ(FormatDateDdMmmYyyy(31, 12, 2099), "31 Dec 2099");
  EXPECT_EQ(FormatDateDdMmmYyyy(1, 13, 1900), "01 ??? 1900");
}

}  // namespace
}  // namespace halcyra
