// The free-format number reader of the start-up data files.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "shell/delimited_numbers.h"
#include "shell/startup_data.h"

using namespace halcyra;

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

TEST(DelimitedNumbers, SeparatorsAndLineCounting) {
  DelimitedNumbers numbers("1.5,2.5\r\n 3 ,4\r\n\r\n5\r\n6,\r\n7", "test");
  const double expected[] = {1.5, 2.5, 3, 4, 5, 6, 7};
  const long lines[] = {1, 1, 2, 2, 4, 5, 6};
  for (int i = 0; i < 7; ++i) {
    ASSERT_FALSE(numbers.AtEnd());
    EXPECT_EQ(numbers.Line(), lines[i]) << "value " << i;
    EXPECT_EQ(numbers.Next(), expected[i]) << "value " << i;
  }
  EXPECT_TRUE(numbers.AtEnd());
}

TEST(DelimitedNumbers, RefusesWhatIsNotANumber) {
  const char* bad[] = {"abc", "1.2.3", "1e", "--5", "+-5", "inf", "nan", "0x10", "5;", ",5", "-"};
  for (const char* text : bad) {
    DelimitedNumbers numbers(text, "X.DAT");
    EXPECT_THROW(numbers.Next(), StartupFileError) << text;
  }
}
