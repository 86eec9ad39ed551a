// The house each point stands in.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/house_row.h"
#include "state/app_state.h"

using namespace halcyra;

namespace {
// Cusps 30 degrees apart with the Ascendant (entry 4) at `asc`.
CuspTable EvenCusps(double asc) {
  CuspTable t{};
  for (int e = 1; e <= 12; ++e) t[e] = std::fmod(asc + 30 * (e - 4) + 720, 360);
  return t;
}

std::string Field(const std::string& tags, int point) { return tags.substr((point - 1) * 10, 10); }
}  // namespace

TEST(HouseRow, LabelsOfPoints) {
  // 12th house from 350 to the Ascendant at 20 spans 0 Aries.
  const CuspTable cusps = EvenCusps(20);
  struct Case { double lon; const char* field; const char* why; };
  const Case cases[] = {
      {20, " 1ST HOUSE", "exactly on the Ascendant"},
      {50, " 2ND HOUSE", "exactly on the 2nd cusp"},
      {49.9999, " 1ST HOUSE", "a third of an arc-second before the 2nd cusp"},
      {49.99999, " 2ND HOUSE", "within a tenth of an arc-second of the cusp"},
      {355, "12TH HOUSE", "12th house before 0 Aries"},
      {5, "12TH HOUSE", "12th house after 0 Aries"},
      {359.99999, "12TH HOUSE", "just below 360 still finds its house"},
      {290, "10TH HOUSE", "on the MC"},
      {std::nan(""), "     HOUSE", "no longitude, no house"},
  };
  for (const auto& c : cases) {
    PointArray lon{};
    lon[Sun] = c.lon;
    EXPECT_EQ(Field(BuildPlanetHouseRow(lon, cusps), Sun), c.field) << c.lon << ": " << c.why;
  }
}

TEST(HouseRow, AnglesAndUnplacedPoints) {
  PointArray lon{};
  CuspTable equal{};
  equal.fill(123);  // every house empty
  const std::string none = BuildPlanetHouseRow(lon, equal);
  ASSERT_EQ(none.size(), 310u);
  for (int i = 1; i <= NumPoints; ++i)
    EXPECT_EQ(Field(none, i), (i == Ascendant || i == Midheaven) ? "---- HOUSE" : "     HOUSE") << "point " << i;

  const CuspTable cusps = EvenCusps(100);
  lon[Ascendant] = cusps[4];
  lon[Midheaven] = cusps[1];
  const std::string tags = BuildPlanetHouseRow(lon, cusps);
  EXPECT_EQ(Field(tags, Ascendant), " 1ST HOUSE");
  EXPECT_EQ(Field(tags, Midheaven), "10TH HOUSE");
}

TEST(HouseRow, LastMatchingEntryWins) {
  // entry 2 (11th) moved out of order overlaps entry 1 (10th): 10 lies in both
  CuspTable cusps = EvenCusps(90);
  cusps[2] = 200;
  PointArray lon{};
  lon[Sun] = 10;
  EXPECT_EQ(Field(BuildPlanetHouseRow(lon, cusps), Sun), "11TH HOUSE");
}

TEST(HouseRow, HouseNumbersReadBack) {
  const std::string tags = " 1ST HOUSE12TH HOUSE---- HOUSE     HOUSE";
  EXPECT_EQ(HouseNumberOf(tags, 1), 1);
  EXPECT_EQ(HouseNumberOf(tags, 2), 12);
  EXPECT_EQ(HouseNumberOf(tags, 3), 0);
  EXPECT_EQ(HouseNumberOf(tags, 4), 0);
  EXPECT_EQ(HouseNumberOf(tags, 9), 0);  // beyond the string

  AppState app;
  app.chart.work.ChartCusp = EvenCusps(0);
  app.chart.work.PointLong[Moon] = 200;
  BuildPlanetHouseRow(app);
  EXPECT_EQ(HouseNumberOf(app.chart.work.HouseTags, Moon), 7);
}
