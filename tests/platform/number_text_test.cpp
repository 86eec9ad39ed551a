// Numbers read from settings text and written back, the report formats, and
// the date order and clock read from the system's locale patterns.
#include <gtest/gtest.h>

#include "platform/date_settings.h"
#include "platform/number_format.h"
#include "platform/number_text.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

// Val, ValInt, StrNumber, FormatNumber and WholeBoxNumber against the reference table in
// tests/data/platform/number_text.txt.
TEST(NumberText, ReadAndWrittenAsTheReferenceTableSays) {
  int cases = 0;
  for (const auto& c : testing::ReadCaseTable("platform/number_text.txt")) {
    std::string row;  // the case as the table writes it
    for (const std::string& field : c) row += field + "|";
    if (c[0] == "Val") EXPECT_DOUBLE_EQ(Val(c.at(1)), std::stod(c.at(2))) << row;
    else if (c[0] == "ValInt") EXPECT_EQ(ValInt(c.at(1)), std::stol(c.at(2))) << row;
    else if (c[0] == "StrNumber")
      EXPECT_EQ(StrNumber(c[1].ends_with('f') ? std::stof(c[1]) : std::stod(c[1]), std::stoi(c.at(2))), c.at(3)) << row;
    else if (c[0] == "FormatNumber") EXPECT_EQ(FormatNumber(std::stod(c.at(1)), c.at(2)), c.at(3)) << row;
    else if (c[0] == "WholeBoxNumber") {
      const std::optional<long> value = WholeBoxNumber(c.at(1));
      EXPECT_EQ(value ? std::to_string(*value) : "none", c.at(2)) << row;
    }
    else ADD_FAILURE() << "unknown function: " << row;
    ++cases;
  }
  EXPECT_EQ(cases, 70);
  // Hexadecimal and octal text with more digits than a double holds reads
  // as 0, the same as decimal text beyond range.
  EXPECT_EQ(Val("&H" + std::string(300, 'F')), 0);
  EXPECT_EQ(Val("&O" + std::string(400, '7')), 0);
  EXPECT_EQ(FormatDateDdMmmYyyy(5, 3, 1990), "05 Mar 1990");
  EXPECT_EQ(FormatDateDdMmmYyyy(1, 13, 1900), "01 ??? 1900");
}

TEST(DateSettings, OrderAndClockFromLocalePatterns) {
  const struct { const char* date; const char* time; int dateFormat; int use24Hour; const char* locale; } cases[] = {
      {"M/d/yy", "h:mm AP", 0, 0, "en_US"},
      {"dd.MM.yy", "HH:mm", 1, 1, "de_DE"},
      {"y/M/d", "Ah:mm", 2, 0, "zh_CN"},
      {"d 'de' MMMM", "H'h'mm", 1, 1, "quoted literal letters are not pattern letters"},
  };
  for (const auto& c : cases) {
    const DateSettings s = DateSettingsFromFormats(c.date, c.time);
    EXPECT_EQ(std::pair(s.DateFormat, s.Use24Hour), std::pair(c.dateFormat, c.use24Hour)) << c.locale;
  }
}

}  // namespace
}  // namespace halcyra
