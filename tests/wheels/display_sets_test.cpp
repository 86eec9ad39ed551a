// Which chart feeds which ring and whose houses frame the wheel, by wheel
// kind and mode; the house spans of the framing cusps.
#include <gtest/gtest.h>

#include "core/house_row.h"
#include "wheel_fixture.h"
#include "wheels/display_sets.h"
#include "wheels/house_spans.h"
#include "wheels/wheel_commands.h"
#include "wheels/wheel_paint_state.h"

namespace halcyra {
namespace {

constexpr double FirstAscendant = 100, SecondAscendant = 250;

// Two charts told apart by every field: the first's points from 11 on, its
// houses from 100, tags "first"; the second's from 201, houses from 250.
std::unique_ptr<AppState> TwoChartState(int kind, int mode) {
  auto state = testing::ShippedWheelState();
  PointArray first{}, second{};
  for (int p = 1; p <= NumPoints; ++p) first[p] = 10 + p, second[p] = 200 + p;
  state->wheel.Wheel = testing::MadeUpChart(first, FirstAscendant);
  state->wheel.Wheel2 = testing::MadeUpChart(second, SecondAscendant);
  state->wheel.Wheel.HouseTags = "first's own tags";
  state->wheel.Wheel2.HouseTags = "second's own tags";
  state->wheel.DisplayCusp[0] = state->wheel.DisplayCusp[13] = -1;
  WheelCaption1(*state)[1] = "first";
  WheelCaption2(*state)[1] = "second";
  state->flags.WheelKind = kind;
  state->chart.WheelMode = mode;
  return state;
}

TEST(DisplaySets, ModeTable) {
  struct Row {
    int kind, mode;
    bool firstOutside, firstFrames;
  };
  // Every single wheel is case 0; a dual wheel's mode 2 (or any unknown
  // mode) puts the natal chart inside, framed by its own houses.
  const Row rows[] = {{1, 0, true, true},  {1, 1, true, true},  {1, 2, true, true},   {1, 3, true, true},
                      {2, 0, true, true},  {2, 1, true, false}, {2, 2, false, true},  {2, 3, false, false},
                      {2, 7, false, true}};
  for (const Row& r : rows) {
    auto state = TwoChartState(r.kind, r.mode);
    GetProperPlanets(*state);
    const WheelSets& w = state->wheel;
    const std::string where = "kind " + std::to_string(r.kind) + " mode " + std::to_string(r.mode);
    EXPECT_EQ(w.Display2.Long[1], r.firstOutside ? 11 : 201) << where;
    EXPECT_EQ(w.Display.Long[1], r.firstOutside ? 201 : 11) << where;
    EXPECT_EQ(w.DisplayCusp[4], r.firstFrames ? FirstAscendant : SecondAscendant) << where;
    EXPECT_EQ(w.CuspRing[4], w.DisplayCusp[4]) << where;
    EXPECT_EQ(w.DisplayCusp[0], -1) << where;
    EXPECT_EQ(w.DisplayCusp[13], -1) << where;
    EXPECT_EQ(w.ChartTitle[1], r.firstOutside ? "first" : "second") << where;
    EXPECT_EQ(w.ChartTitle2[1], r.firstOutside ? "second" : "first") << where;

    // The chart that owns the framing cusps keeps its tags; the other is
    // tagged with those houses, and the working set holds it.
    const bool outsideOwnsCusps = r.firstOutside == r.firstFrames;
    const ChartSet& owner = outsideOwnsCusps ? w.Display2 : w.Display;
    const ChartSet& rehoused = outsideOwnsCusps ? w.Display : w.Display2;
    EXPECT_EQ(owner.HouseTags, r.firstFrames ? "first's own tags" : "second's own tags") << where;
    EXPECT_EQ(rehoused.HouseTags, BuildPlanetHouseRow(rehoused.Long, w.DisplayCusp)) << where;
    const ChartSet& work = state->chart.Working;
    EXPECT_EQ(work.HouseTags, rehoused.HouseTags) << where;
    EXPECT_EQ(work.Long[1], rehoused.Long[1]) << where;
    EXPECT_EQ(work.Cusp[4], w.DisplayCusp[4]) << where;
  }
}

TEST(HouseSpans, SpansOfTheFramingCusps) {
  CuspTable cusps{};
  for (int e = 1; e <= 12; ++e) cusps[e] = 30.0 * e;
  cusps[12] = 350;  // the last house wraps through 0 Aries
  cusps[2] = 30;    // two equal cusps make a house of no width
  cusps[5] = cusps[4] + 277.5;
  const HouseSpans spans = CalcHouseSpans(cusps);
  EXPECT_EQ(spans.HouseSpan[1], 0);
  EXPECT_EQ(spans.HouseSpan[4], 7.5);    // 277.5 stands for 7.5
  EXPECT_EQ(spans.HouseSpan[11], 20);
  EXPECT_EQ(spans.HouseSpan[12], 40);    // from 350 round to 30
  cusps[1] = cusps[12] + 277.5 - 360;
  EXPECT_EQ(CalcHouseSpans(cusps).HouseSpan[12], 277.5);  // not for the last entry
}

}  // namespace
}  // namespace halcyra
