// The mansion table's lines: the entry's date and time (worked from the
// Julian dates by hand), one and two entries, a mansion without an entry.
#include <gtest/gtest.h>

#include "mansions/mansion_table.h"

namespace halcyra {
namespace {

TEST(MansionTable, EntryDateAndTimeFromOneMoment) {
  constexpr double kSecond = 1 / 86400.0;
  const struct {
    double julianDate;
    const char* text;
  } kCases[] = {
      {2455200.25, "03 Jan 2010 at 18:00"},  // a quarter day after noon
      {2455200.75, "04 Jan 2010 at 06:00"},  // three quarters: the next civil day
      {2460370.5, "01 Mar 2024 at 00:00"},   // midnight
      {2460370.5 - 31 * kSecond, "29 Feb 2024 at 23:59"},
      {2460370.5 - 29 * kSecond, "01 Mar 2024 at 00:00"},  // rounds into the next day, date and all
      {2460370.5 + 12 * 3600 * kSecond - 31 * kSecond, "01 Mar 2024 at 11:59"},
  };
  for (const auto& c : kCases) EXPECT_EQ(MansionEntryText(c.julianDate), c.text) << std::fixed << c.julianDate;
}

TEST(MansionTable, LinesWithNoneOneAndTwoEntries) {
  const struct {
    int k;
    MansionEntry entry;
    const char* line;
  } kCases[] = {
      {0, {2460380.5147, std::nullopt}, "   1.  00 ARI 00   11 Mar 2024 at 00:21"},
      {9, {2455200.25, 2455227.75}, "  10.  25 CAN 43   03 Jan 2010 at 18:00     31 Jan 2010 at 06:00"},
      {27, {}, "  28.  17 PIS 09"},
  };
  for (const auto& c : kCases) EXPECT_EQ(MansionLine(c.k, c.entry), c.line);
}

}  // namespace
}  // namespace halcyra
