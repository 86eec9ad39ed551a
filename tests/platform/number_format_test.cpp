// The report number and date formats.
#include <gtest/gtest.h>

#include "platform/number_format.h"

namespace halcyra {
namespace {

TEST(NumberFormat, DigitPatternsRoundHalvesAwayFromZero) {
  const struct {
    double value;
    const char* pattern;
    const char* expected;
  } cases[] = {
      // pattern "00": at least two digits
      {5, "00", "05"},
      {0, "00", "00"},
      {59.4, "00", "59"},
      {59.5, "00", "60"},
      {2.5, "00", "03"},   // away from zero, not to even
      {123, "00", "123"},
      {-4, "00", "-04"},
      {-0.4, "00", "00"},  // rounds to zero: no sign
      // pattern "#0.00": one digit at least before the point
      {0, "#0.00", "0.00"},
      {3.14159, "#0.00", "3.14"},
      {2.675, "#0.00", "2.68"},   // 2.67499999... in binary; 15 digits say 2.675
      {1.005, "#0.00", "1.01"},
      {0.005, "#0.00", "0.01"},
      {0.004, "#0.00", "0.00"},
      {-0.004, "#0.00", "0.00"},
      {-0.005, "#0.00", "-0.01"},
      {-12.345, "#0.00", "-12.35"},
      {99.995, "#0.00", "100.00"},
      {11.5, "#0.00", "11.50"},
      // pattern "##0.00": the same digits, no padding
      {87.65, "##0.00", "87.65"},
      {187.654, "##0.00", "187.65"},
      {0.5, "##0.00", "0.50"},
      {1234.5, "##0.00", "1234.50"},
      // plain patterns
      {7, "0", "7"},
      {7.5, "000", "008"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected)
        << "value " << c.value << " pattern " << c.pattern;
}

TEST(NumberFormat, DayMonthYear) {
  EXPECT_EQ(FormatDateDdMmmYyyy(5, 3, 1990), "05 Mar 1990");
  EXPECT_EQ(FormatDateDdMmmYyyy(31, 12, 2099), "31 Dec 2099");
  EXPECT_EQ(FormatDateDdMmmYyyy(1, 1, 1900), "01 Jan 1900");
  EXPECT_EQ(FormatDateDdMmmYyyy(1, 13, 1900), "01 ??? 1900");
}

}  // namespace
}  // namespace halcyra
