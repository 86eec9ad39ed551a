// Natal emphasis: every planet falls into exactly one group of each block,
// checked by putting all ten planets in one sign and one house at a time.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "core/house_row.h"
#include "horary/horary_reports_fixture.h"
#include "horary/natal_emphasis.h"

namespace halcyra {
namespace {

// The labels of the groups that hold all ten planets; every other group is empty.
std::set<std::string> FullGroups(const std::vector<EmphasisGroup>& groups) {
  std::set<std::string> full;
  for (const EmphasisGroup& g : groups) {
    if (g.planets.size() == 10) full.insert(g.label.substr(0, g.label.find(' ')));
    else EXPECT_TRUE(g.planets.empty()) << g.label;
  }
  return full;
}

TEST(NatalEmphasis, AllPlanetsInOneSignAndHouseFillFiveSignAndSixHouseGroups) {
  for (int sign = 1; sign <= 12; ++sign) {
    // The houses turned so that the sign is house 13 - sign; half the
    // planets on the sign's first minute, half on its last.
    const int house = 13 - sign;
    ChartSet chart = testing::HoraryChart({}, std::fmod(30.0 * (sign - house) + 360, 360));
    for (int p = Sun; p <= Moon; ++p) chart.Long[p] = 30.0 * (sign - 1) + (p % 2 ? 0 : 29.99);
    chart.HouseTags = BuildPlanetHouseRow(chart.Long, chart.Cusp);
    const auto signs = FullGroups(SignEmphasis(chart));
    const auto houses = FullGroups(HouseEmphasis(chart));
    EXPECT_EQ(signs.size(), 5u) << "sign " << sign;
    EXPECT_EQ(houses.size(), 6u) << "house " << house;
    if (sign == 5) {  // Leo, the 8th house
      EXPECT_EQ(signs, (std::set<std::string>{"Fixed", "Fire", "Maternal", "Masculine", "Commanding"}));
      EXPECT_EQ(houses, (std::set<std::string>{"Succedent", "Psychic", "Relationship", "Public", "Western", "South"}));
    }
  }
}

}  // namespace
}  // namespace halcyra
