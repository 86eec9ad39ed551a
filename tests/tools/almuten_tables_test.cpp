// The shipped almuten tables against a scoring of the essential dignities
// done here on its own: domicile 5, exaltation 4, triplicity of the sect 3,
// Ptolemaic term 2, Chaldean face 1; equal scores by ascending point number.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "tools/shipped_state.h"

using namespace halcyra;

namespace {

constexpr int Planets[] = {Sun, Mercury, Venus, Mars, Jupiter, Saturn, Moon};

// domicile, exaltation (0 none), triplicity by day, by night; Aries first.
struct SignRulers { int domicile, exaltation, tripDay, tripNight; };
constexpr SignRulers Signs[12] = {
    {Mars, Sun, Sun, Jupiter},         {Venus, Moon, Venus, Moon},     {Mercury, 0, Saturn, Mercury},
    {Moon, Jupiter, Mars, Mars},       {Sun, 0, Sun, Jupiter},         {Mercury, Mercury, Venus, Moon},
    {Venus, Saturn, Saturn, Mercury},  {Mars, 0, Mars, Mars},          {Jupiter, 0, Sun, Jupiter},
    {Saturn, Mars, Venus, Moon},       {Saturn, 0, Saturn, Mercury},   {Jupiter, Venus, Mars, Mars},
};
// Ptolemaic terms: ruler and the degree of the sign where the term ends.
struct Term { int ruler, end; };
constexpr Term Terms[12][5] = {
    {{Jupiter, 6}, {Venus, 14}, {Mercury, 21}, {Mars, 26}, {Saturn, 30}},
    {{Venus, 8}, {Mercury, 15}, {Jupiter, 22}, {Saturn, 26}, {Mars, 30}},
    {{Mercury, 7}, {Jupiter, 14}, {Venus, 21}, {Saturn, 25}, {Mars, 30}},
    {{Mars, 6}, {Jupiter, 13}, {Mercury, 20}, {Venus, 27}, {Saturn, 30}},
    {{Saturn, 6}, {Mercury, 13}, {Venus, 19}, {Jupiter, 25}, {Mars, 30}},
    {{Mercury, 7}, {Venus, 13}, {Jupiter, 18}, {Saturn, 24}, {Mars, 30}},
    {{Saturn, 6}, {Venus, 11}, {Jupiter, 19}, {Mercury, 24}, {Mars, 30}},
    {{Mars, 6}, {Jupiter, 14}, {Venus, 21}, {Mercury, 27}, {Saturn, 30}},
    {{Jupiter, 8}, {Venus, 14}, {Mercury, 19}, {Saturn, 25}, {Mars, 30}},
    {{Venus, 6}, {Mercury, 12}, {Jupiter, 19}, {Mars, 25}, {Saturn, 30}},
    {{Saturn, 6}, {Mercury, 12}, {Venus, 20}, {Jupiter, 25}, {Mars, 30}},
    {{Venus, 8}, {Jupiter, 14}, {Mercury, 20}, {Mars, 26}, {Saturn, 30}},
};
constexpr int Faces[7] = {Mars, Sun, Venus, Mercury, Moon, Saturn, Jupiter};  // every 70 degrees

// The planets with the highest score at a whole degree, by point number.
std::vector<int> Leaders(int degree, bool night) {
  std::array<int, 11> score{};
  const SignRulers& sign = Signs[degree / 30];
  const Term* terms = Terms[degree / 30];
  score[sign.domicile] += 5;
  if (sign.exaltation) score[sign.exaltation] += 4;
  score[night ? sign.tripNight : sign.tripDay] += 3;
  score[std::find_if(terms, terms + 5, [&](const Term& t) { return degree % 30 < t.end; })->ruler] += 2;
  score[Faces[(degree % 70) / 10]] += 1;
  const int best = *std::max_element(score.begin(), score.end());
  std::vector<int> top;
  for (int p : Planets)
    if (score[p] == best) top.push_back(p);
  return top;
}

}  // namespace

TEST(AlmutenTables, EveryDegreeNamesTheHighestScoringPlanets) {
  const auto& t = halcyra::testing::ShippedState().tables;
  for (bool night : {false, true}) {
    const auto& almuten = night ? t.AlmutenNight : t.AlmutenDay;
    const auto& co = night ? t.CoAlmutenNight : t.CoAlmutenDay;
    for (int d = 0; d < 360; ++d) {
      const auto top = Leaders(d, night);
      EXPECT_EQ(almuten[d], top[0]) << (night ? "night" : "day") << " degree " << d;
      EXPECT_EQ(co[d], top.size() > 1 ? top[1] : 0) << (night ? "night" : "day") << " degree " << d;
    }
    // A longitude of exactly 360 reads like 0 Aries.
    EXPECT_EQ(almuten[360], almuten[0]);
    EXPECT_EQ(co[360], co[0]);
  }
}

// Spot values worked by hand from the dignity tables. The almuten report adds
// "SATURN" by night at 19 Libra, the one degree where three planets share the
// highest score; the tables can name only two.
TEST(AlmutenTables, HandWorkedDegreesAndTheOneThreeWayTie) {
  struct Case { int degree; bool night; int almuten, co; const char* working; };
  const Case cases[] = {
      {0, false, Sun, 0, "0 Aries by day: Sun exaltation 4 + triplicity 3 = 7; Mars domicile 5 + face 1 = 6"},
      {0, true, Mars, 0, "0 Aries by night: Mars 6; Sun 4; Jupiter triplicity 3 + term 2 = 5"},
      {165, false, Mercury, 0, "15 Virgo: Mercury domicile 5 + exaltation 4 = 9"},
      {199, false, Saturn, 0, "19 Libra by day: Saturn exaltation 4 + triplicity 3 + face 1 = 8"},
      {199, true, Mercury, Venus,
       "19 Libra by night: Mercury triplicity 3 + term 2, Venus domicile 5, Saturn exaltation 4 + face 1: 5 each"},
      {95, true, Mars, Moon, "5 Cancer: Mars triplicity 3 + term 2 = 5 ties the Moon's domicile 5; Jupiter 4"},
  };
  const auto& t = halcyra::testing::ShippedState().tables;
  for (const auto& c : cases) {
    EXPECT_EQ((c.night ? t.AlmutenNight : t.AlmutenDay)[c.degree], c.almuten) << c.working;
    EXPECT_EQ((c.night ? t.CoAlmutenNight : t.CoAlmutenDay)[c.degree], c.co) << c.working;
  }
  std::vector<std::string> threeWay;
  for (bool night : {false, true})
    for (int d = 0; d < 360; ++d)
      if (Leaders(d, night).size() >= 3) threeWay.push_back((night ? "night " : "day ") + std::to_string(d));
  EXPECT_EQ(threeWay, std::vector<std::string>{"night 199"});
  EXPECT_EQ(Leaders(199, true), (std::vector<int>{Mercury, Venus, Saturn}));
}
