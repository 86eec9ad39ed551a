// The constant tables built at start-up.
#include <gtest/gtest.h>

#include "state/shared_tables.h"

namespace halcyra {
namespace {

TEST(SharedTables, FieldsCutFromThePackedStrings) {
  const struct {
    std::string_view packed;
    int width, field;
    const char* expected;
  } cases[] = {
      {PointNames10, 10, 1, "Sun       "},
      {PointNames10, 10, 15, "MC        "},
      {PointNames10, 10, 17, "TP        "},  // where the second and third pieces meet
      {PointNames10, 10, 18, "Cupido    "},
      {PointNames10, 10, 25, "Poseidon  "},
      {PointNames10, 10, 26, "1st h     "},
      {PointNames10, 10, 31, "6th h     "},
      {PointNames10, 10, 32, ""},
      {SignAbbrevs, 3, 1, "ARI"},
      {SignAbbrevs, 3, 12, "PIS"},
      {HouseLabels, 4, 1, "10TH"},
      {HouseLabels, 4, 4, " 1ST"},
      {HouseLabels, 4, 13, "    "},
      {AspectNames12, 12, 1, "            "},
      {AspectNames12, 12, 7, "PARALLEL    "},
      {AspectNames12, 12, 16, "bi-quintile "},
      {MonthAbbrevs, 3, 2, "Feb"},
      {DayNames, 9, 1, "WEDNESDAY"},
      {DayNames, 9, 7, "TUESDAY  "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PackedField(c.packed, c.width, c.field), c.expected)
        << "width " << c.width << " field " << c.field;
}

TEST(SharedTables, PointNamesAgreeWithTheirFieldsAndMonthsMakeAYear) {
  EXPECT_EQ(PointName[15], "MC ");
  EXPECT_EQ(PointName[17], "TP ");
  EXPECT_EQ(PointName[26], "1st H.");
  for (int p = 1; p <= NumPoints; ++p)  // the long names agree with the packed fields
    EXPECT_EQ(PackedField(PointNames10, 10, p).substr(0, 3), PointName[p].substr(0, 3)) << p;
  EXPECT_EQ(AspectAngle[7], 0);  // the parallel, like the conjunction
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
      {640, 15, {640, 480, 8490, 7200, 1.5}},
      {640, 12, {640, 480, 8490, 7200, 1.5}},
      {800, 15, {800, 600, 10725, 8940, 1.5}},
      {800, 12, {800, 600, 8400, 7200, 1.2}},
      {1024, 15, {1024, 768, 14050, 11505, 1.5}},
      {1024, 12, {1024, 768, 10970, 9204, 1.2}},
      {1280, 15, {1024, 768, 14050, 11505, 1.5}},
      {1920, 10, {1024, 768, 10970, 9204, 1.2}},
  };
  for (const auto& c : cases) {
    const ScreenClass s = ChooseScreenClass(c.width, c.twipsPerPixel);
    EXPECT_EQ(s.ScreenClassWidth, c.expected.ScreenClassWidth) << c.width << "/" << c.twipsPerPixel;
    EXPECT_EQ(s.ScreenClassHeight, c.expected.ScreenClassHeight) << c.width << "/" << c.twipsPerPixel;
    EXPECT_EQ(s.WheelWinWidth, c.expected.WheelWinWidth) << c.width << "/" << c.twipsPerPixel;
    EXPECT_EQ(s.WheelWinHeight, c.expected.WheelWinHeight) << c.width << "/" << c.twipsPerPixel;
    EXPECT_EQ(s.DataFontScale, c.expected.DataFontScale) << c.width << "/" << c.twipsPerPixel;
  }
}

TEST(SharedTables, InitialChartStrings) {
  EXPECT_EQ(InitialRetroFlags(), std::string(31, ' '));
  const std::string tags = InitialHouseTags();
  ASSERT_EQ(tags.size(), 310u);
  EXPECT_EQ(PackedField(tags, 10, 14), "---- -----");
  EXPECT_EQ(PackedField(tags, 10, 15), "---- -----");
  EXPECT_EQ(PackedField(tags, 10, 13), std::string(10, ' '));
  EXPECT_EQ(PackedField(tags, 10, 16), std::string(10, ' '));
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
