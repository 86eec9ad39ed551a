// The constant tables built at start-up.
#include <gtest/gtest.h>

#include "state/shared_tables.h"

namespace halcyra {
namespace {

TEST(SharedTables, FieldsCutFromThePackedStrings) {
  const struct { std::string_view packed; int width, field; const char* expected; } cases[] = {
      {PointNames10, 10, 17, "TP        "},  // where the second and third pieces meet
      {PointNames10, 10, 18, "Cupido    "},  {PointNames10, 10, 31, "6th h     "},
      {PointNames10, 10, 32, ""},            // past the end
      {SignAbbrevs, 3, 12, "PIS"},           {HouseLabels, 4, 13, "    "},
      {AspectNames12, 12, 1, "            "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PackedField(c.packed, c.width, c.field), c.expected) << "width " << c.width << " field " << c.field;
  for (int p = 1; p <= NumPoints; ++p)  // the short names agree with the packed fields
    EXPECT_EQ(PackedField(PointNames10, 10, p).substr(0, 3), PointName[p].substr(0, 3)) << p;
  // Weekdays count from the Wednesday of JD 2411369, before it as well.
  EXPECT_EQ(PackedField(DayNames, 9, WeekdayNumber(2451545) + 1), "SATURDAY ");  // 1 January 2000
  EXPECT_EQ(WeekdayNumber(2411368), 6);
}

}  // namespace
}  // namespace halcyra
