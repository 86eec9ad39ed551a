// The main window's natal-based Wheels commands on the Apollo 11 chart: the
// wheel sets, captions, orb file and kinds each prepares; the equal houses
// from one degree and the typed Ascendant.
#include <gtest/gtest.h>

#include <functional>

#include "wheel_fixture.h"
#include "wheels/turn_natal.h"
#include "wheels/wheel_commands.h"

namespace halcyra {
namespace {

TEST(WheelCommands, NatalCaptionBlock) {
  auto state = testing::ApolloState();
  WheelsSingleNatal(*state);
  const CaptionBlock& c = WheelCaption1(*state);
  EXPECT_EQ(std::vector<std::string>(c.begin() + 1, c.end()),
            (std::vector<std::string>{"Apollo 11 launch - natal", "16 Jul 1969", "9.32 A.M. (4)", "80.36 WEST",
                                      "28.36 NORTH", state->chart.Natal.SiderealText, "Placidus"}));
}

TEST(WheelCommands, EachCommandsSetsCaptionsAndOrbFile) {
  struct Row {
    const char* name;
    std::function<void(AppState&)> command;
    int wheelKind;
    const char* orbFile;  // exactly as the command writes it
    const char* caption1, *caption2;
    int chartKind;
  };
  const Row rows[] = {
      {"Natal", WheelsSingleNatal, 1, "NATAL.ORB", "Apollo 11 launch - natal", "", 0},
      {"Natal Solstice Points", WheelsSingleNatalSolsticePoints, 1, "NATAL.ORB",
       "Apollo 11 launch - natal solstice points", "", 0},
      {"Solar Arc", WheelsSingleSolarArc, 1, "SOLARARC.ORB", "Apollo 11 launch - solar arc", "", 2},
      {"Transits", [](AppState& s) { WheelsSingleTransits(s, false); }, 1, "TRANSIT.ORB", "Transits", "", 3},
      {"Transits of a second person", [](AppState& s) { WheelsSingleTransits(s, true); }, 1, "NATAL.ORB",
       "Transits", "", 3},
      {"Solar Equilibrium", WheelsSingleSolarEquilibrium, 1, "NATAL.ORB", "Apollo 11 launch - solar equilibrium",
       "", 0},
      {"User Defined ASC", [](AppState& s) { WheelsSingleUserDefinedAsc(s, 40); }, 1, "NATAL.ORB",
       "Apollo 11 launch - user defined Asc", "", 0},
      {"Solstice Point vs Natal", WheelsDualSolsticePointsNatal, 2, "NATAL.ORB", "Apollo 11 launch - natal",
       "Natal Solstice Points", 0},
      {"Progressed vs Natal", WheelsDualProgressedNatal, 2, "Progress.orb", "Apollo 11 launch - natal",
       "Progressed chart", 0},
      {"Solar Arc vs Natal", WheelsDualSolarArcNatal, 2, "SolarArc.ORB", "Apollo 11 launch - natal",
       "Solar arc data", 0},
      {"Transits vs Natal", [](AppState& s) { WheelsDualTransitsNatal(s, false); }, 2, "NAT2TRAN.ORB",
       "Apollo 11 launch - natal", "Transits", 0},
      {"Transits vs Natal, second person", [](AppState& s) { WheelsDualTransitsNatal(s, true); }, 2,
       "SYNASTRY.ORB", "Apollo 11 launch - natal", "Transits - natal", 0},
      {"Transits vs Natal Solar Equilibrium", WheelsDualTransitsSolarEquilibrium, 2, "NAT2TRAN.orb",
       "Apollo 11 launch - solar equilibrium", "Transits", 0},
      {"Transits vs Natal User Defined ASC", [](AppState& s) { WheelsDualTransitsUserDefinedAsc(s, 40); }, 2,
       "NAT2TRAN.orb", "Apollo 11 launch - user defined Asc", "Transits", 0},
  };
  for (const Row& r : rows) {
    auto state = testing::ApolloState();
    state->chart.ChartKind = 9;
    r.command(*state);
    EXPECT_EQ(state->flags.WheelKind, r.wheelKind) << r.name;
    EXPECT_EQ(state->options.OrbFileName, state->AppPath + "/" + r.orbFile) << r.name;
    EXPECT_EQ(WheelCaption1(*state)[1], r.caption1) << r.name;
    if (r.wheelKind == 2) {
      EXPECT_EQ(WheelCaption2(*state)[1], r.caption2) << r.name;
    }
    EXPECT_EQ(state->chart.ChartKind, r.chartKind) << r.name;
  }
}

TEST(WheelCommands, WhatEachWheelSetHolds) {
  auto state = testing::ApolloState();
  const ChartState& c = state->chart;
  const WheelSets& w = state->wheel;

  WheelsSingleSolarArc(*state);
  EXPECT_EQ(w.Wheel.Long[Sun], c.SolarArc.Long[Sun]);
  EXPECT_EQ(w.Wheel.Decl[Moon], c.Natal.Decl[Moon]) << "natal declinations";
  EXPECT_EQ(w.Wheel.RetroFlags, std::string(NumPoints, ' ')) << "no retrograde marks";
  EXPECT_EQ(w.Wheel.SiderealText, std::string(13, ' '));
  EXPECT_EQ(w.Wheel.HouseTags, c.Natal.HouseTags);

  WheelsDualProgressedNatal(*state);
  EXPECT_EQ(w.Wheel.Long[Moon], c.Natal.Long[Moon]);
  EXPECT_EQ(w.Wheel2.Long[Moon], c.Prog.Long[Moon]);
  EXPECT_EQ(w.Wheel2.Cusp[4], c.Prog.Cusp[4]);
  EXPECT_EQ(WheelCaption2(*state)[3], "4.17 p.m. (4)") << "lower-case A.M./P.M.";

  WheelsDualSolarArcNatal(*state);
  EXPECT_EQ(WheelCaption2(*state)[2], "20 Jul 1969");
  EXPECT_EQ(WheelCaption2(*state)[3], "4.17 P.M. (4)");
  EXPECT_EQ(WheelCaption2(*state)[6] + WheelCaption2(*state)[7], "");

  WheelsDualTransitsSolarEquilibrium(*state);
  EXPECT_EQ(w.Wheel.Cusp[4], c.Natal.Long[Sun]) << "equal houses from the natal Sun";
  EXPECT_EQ(w.Wheel2.Cusp[4], c.Transit.Cusp[4]);
  EXPECT_EQ(w.Wheel2.HouseTags, c.Transit.HouseTags) << "the transits in their own houses";
  EXPECT_EQ(WheelCaption1(*state)[7], "");
}

TEST(WheelCommands, EqualHousesFromOneDegree) {
  // The Sun at 350: the 1st house at 350, the 2nd at 20, the MC entry at 260.
  CuspTable before{};
  before[0] = -1, before[13] = -2;
  const CuspTable c = EqualHousesFrom(350, before);
  EXPECT_EQ(std::vector<double>(c.begin(), c.end()),
            (std::vector<double>{-1, 260, 290, 320, 350, 20, 50, 80, 110, 140, 170, 200, 230, -2}));
}

TEST(WheelCommands, TypedAscendant) {
  // The leading number, brought exactly into 0 to 360 whatever its size (the
  // remainders of 5e33, 8.7e89 and the largest double worked out in whole
  // numbers); no number, or one beyond the largest, is 0.
  const std::pair<const char*, double> answers[] = {
      {"", 0},          {" 0", 0},         {"400", 40},        {"-30", 330},          {"360", 0},
      {"123.5 degrees", 123.5}, {"Leo", 0}, {"5D33", 200},     {"-5e33", 160},        {"87e88", 136},
      {"1.7976931348623157e308", 128},      {"1e400", 0},      {"-1e400", 0},         {"-1e-300", 0}};
  for (const auto& [answer, ascendant] : answers) EXPECT_EQ(AscendantFromAnswer(answer), ascendant) << answer;
}

TEST(WheelCommands, TurnedHousesAndCaption) {
  // Entry k of the turned wheel takes natal entry ((k + n - 2) mod 12) + 1:
  // with 7 the natal Descendant (entry 10) comes on the Ascendant and the
  // natal IC (entry 7) on the MC; with 10 the natal MC on the Ascendant.
  struct Row {
    int house;
    int ascendantFrom, mcFrom;  // natal entries
    const char* caption;
  };
  const Row rows[] = {{7, 10, 7, "Apollo 11 launch - turned (7) natal"},
                      {10, 1, 10, "Apollo 11 launch - turned (10) natal"},
                      {2, 5, 2, "Apollo 11 launch - turned (2) natal"},
                      {12, 3, 12, "Apollo 11 launch - turned (12) natal"},
                      {1, 4, 1, "Apollo 11 launch - natal"},
                      {0, 4, 1, "Apollo 11 launch - natal"}};
  for (const Row& row : rows) {
    auto state = testing::ApolloState();
    WheelsDualTransitsNatal(*state, false);
    TurnNatalChart(*state, row.house);
    const ChartSet& natal = state->chart.Natal;
    const ChartSet& wheel = state->wheel.Wheel;
    EXPECT_EQ(wheel.Cusp[4], natal.Cusp[row.ascendantFrom]) << row.house;
    EXPECT_EQ(wheel.Cusp[1], natal.Cusp[row.mcFrom]) << row.house;
    EXPECT_EQ(WheelCaption1(*state)[1], row.caption);
    EXPECT_EQ(WheelCaption1(*state)[2], "16 Jul 1969") << "the rest of the natal caption";
    EXPECT_EQ(wheel.Long, natal.Long) << "the planets keep their places";
    EXPECT_EQ(state->flags.WheelKind, 1);
    EXPECT_EQ(state->options.OrbFileName, state->AppPath + "/NATAL.ORB");
    // the Sun's house counted afresh in the turned houses: natal house h is
    // turned house h - n + 1
    const int natalSunHouse = std::stoi(natal.HouseTags.substr(0, 2));
    const int turned = row.house < 2 ? natalSunHouse : (natalSunHouse - row.house + 12) % 12 + 1;
    EXPECT_EQ(std::stoi(wheel.HouseTags.substr(0, 2)), turned) << row.house;
  }
}

TEST(WheelCommands, TurnAnswers) {
  const std::pair<const char*, int> answers[] = {{TurnDefault, 7}, {"10", 10}, {"", 0},     {"x", 0},
                                                 {"12.5", 12},      {"1", 1},   {"0.5", 0}};
  for (const auto& [typed, house] : answers) EXPECT_EQ(TurnHouseFromAnswer(typed), house) << typed;
  for (const char* again : {"13", "-1", "12.6", "-0.6"}) EXPECT_EQ(TurnHouseFromAnswer(again), std::nullopt) << again;
}

}  // namespace
}  // namespace halcyra
