// The constant tables built at start-up.
#include <gtest/gtest.h>

#include <tuple>

#include "state/shared_tables.h"

namespace halcyra {
namespace {

TEST(SharedTables, FieldsCutFromThePackedStrings) {
  const struct {
    std::string_view packed;
    int width, field;
    const char* expected;
  } cases[] = {
      {PointNames10, 10, 17, "TP        "},  // where the second and third pieces meet
      {PointNames10, 10, 18, "Cupido    "},  {PointNames10, 10, 26, "1st h     "},
      {PointNames10, 10, 31, "6th h     "},  {PointNames10, 10, 32, ""},  // past the end
      {SignAbbrevs, 3, 12, "PIS"},           {HouseLabels, 4, 13, "    "},
      {AspectNames12, 12, 1, "            "}, {AspectNames12, 12, 16, "bi-quintile "},
      {DayNames, 9, 7, "TUESDAY  "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PackedField(c.packed, c.width, c.field), c.expected) << "width " << c.width << " field " << c.field;
  for (int p = 1; p <= NumPoints; ++p)  // the short names agree with the packed fields
    EXPECT_EQ(PackedField(PointNames10, 10, p).substr(0, 3), PointName[p].substr(0, 3)) << p;
  int days = 0;
  for (int m = 1; m <= 12; ++m) days += DaysInMonth[m];
  EXPECT_EQ(days, 365);
}

TEST(SharedTables, WeekdaysCountFromAWednesday) {
  // 1 January 2000 (JD 2451545) was a Saturday; 1 January 1900 (JD 2415021) a Monday.
  EXPECT_EQ(PackedField(DayNames, 9, WeekdayNumber(2451545) + 1), "SATURDAY ");
  EXPECT_EQ(PackedField(DayNames, 9, WeekdayNumber(2415021) + 1), "MONDAY   ");
  EXPECT_EQ(WeekdayNumber(2411369), 0);
  EXPECT_EQ(WeekdayNumber(2411368), 6);  // before the epoch as well
}

TEST(SharedTables, ScreenClasses) {
  const struct {
    int width, twipsPerPixel;
    ScreenClass expected;
  } cases[] = {
      {640, 15, {640, 480, 8490, 7200, 1.5}},      {640, 12, {640, 480, 8490, 7200, 1.5}},
      {800, 15, {800, 600, 10725, 8940, 1.5}},     {800, 12, {800, 600, 8400, 7200, 1.2}},
      {1024, 15, {1024, 768, 14050, 11505, 1.5}},  {1024, 12, {1024, 768, 10970, 9204, 1.2}},
      {1280, 15, {1024, 768, 14050, 11505, 1.5}},  {1920, 10, {1024, 768, 10970, 9204, 1.2}},
  };
  auto fields = [](const ScreenClass& s) {
    return std::tuple(s.ScreenClassWidth, s.ScreenClassHeight, s.WheelWinWidth, s.WheelWinHeight, s.DataFontScale);
  };
  for (const auto& c : cases)
    EXPECT_EQ(fields(ChooseScreenClass(c.width, c.twipsPerPixel)), fields(c.expected)) << c.width << "/" << c.twipsPerPixel;
}

TEST(SharedTables, HouseSystemFromOption27) {
  const struct {
    float option;
    const char* code;
  } cases[] = {{1, "P"}, {2, "R"}, {3, "K"}, {4, "C"}, {5, "O"}, {6, "EA"}, {7, "EM"},
               {8, "M"}, {9, "I"}, {0, "P"}, {10, "P"}, {-2, "P"}, {2.5f, "P"}};
  for (const auto& c : cases) EXPECT_EQ(HouseSystemFromOption(c.option), c.code) << c.option;
}

}  // namespace
}  // namespace halcyra
