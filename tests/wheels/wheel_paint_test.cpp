// One paint of the wheel through the recording surface: what is drawn in
// which order, the aspect chords, the orbs read at every paint and the
// options a paint falls back on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "platform/text_files.h"
#include "support/test_support.h"
#include "wheel_fixture.h"
#include "wheels/aspect_lines.h"
#include "wheels/recording_surface.h"
#include "wheels/surface_twins.h"
#include "wheels/wheel_captions.h"
#include "wheels/wheel_commands.h"
#include "wheels/wheel_frame.h"
#include "wheels/wheel_paint_state.h"

namespace halcyra {
namespace {

TEST(WheelPaint, DualWheelDrawsFrameLabelsOuterRingInnerRingAndCaptions) {
  auto state = testing::ApolloState();
  WheelsDualTransitsNatal(*state, false);
  GetProperPlanets(*state);
  RecordingSurface surface;
  const WheelPaintResult result = PaintWheelFromState(*state, surface, false);
  const std::vector<TextItem> texts = surface.Texts();
  // 12 house numbers, 60 cusp-label items, the two rings, then the outer
  // chart's 5 caption lines (6 and 7 are empty), the heading and the inner
  // chart's 7 lines
  ASSERT_GT(texts.size(), 72u + 13u);
  EXPECT_EQ(texts[0].text.text, "1");
  EXPECT_EQ(texts[12].text.text, "2");  // the MC's label begins the cusp labels: 28 Taurus
  EXPECT_EQ(texts[texts.size() - 13].text.text, "Transits");
  EXPECT_EQ(texts[texts.size() - 8].text.text, InnerChartHeading);
  EXPECT_EQ(texts.back().text.text, "Placidus");
  // no aspect chords on a dual wheel: the only lines are the frame's
  EXPECT_EQ(surface.Lines().size(), 24u);
  // the inner ring, drawn last, leaves its tags in the working set
  EXPECT_EQ(state->chart.Working.HouseTags, state->wheel.Display.HouseTags);
  EXPECT_EQ(result.PointGlyphAngle[Sun], state->wheel.PointGlyphAngle[Sun]);
}

TEST(WheelPaint, SingleWheelChordsFollowOption47) {
  auto state = testing::ApolloState();
  WheelsSingleNatal(*state);
  GetProperPlanets(*state);
  RecordingSurface with;
  PaintWheelFromState(*state, with, false);
  state->options.OptionValues[47] = 0;
  RecordingSurface without;
  PaintWheelFromState(*state, without, false);
  EXPECT_EQ(without.Lines().size(), 24u);
  EXPECT_GT(with.Lines().size(), 24u);
  const std::vector<LineItem> lines = with.Lines();
  for (size_t i = 24; i < lines.size(); ++i)
    EXPECT_NEAR(std::hypot(lines[i].x1, lines[i].y1), WheelFrameRadii.singleAspect, 1e-9) << "chords end on the aspect circle";
}

// The INI's smallest StartScale is the frame's reach: its rim, cusp marks
// and their widths, on a single and a dual wheel, rounded up.
TEST(WheelPaint, TheSmallestStartScaleShowsTheWholeFrame) {
  auto state = testing::ApolloState();
  double reach = 0;
  for (const bool dual : {false, true}) {
    dual ? WheelsDualTransitsNatal(*state, false) : WheelsSingleNatal(*state);
    GetProperPlanets(*state);
    RecordingSurface surface;
    PaintWheelFromState(*state, surface, false);
    for (const LineItem& l : surface.Lines())
      reach = std::max({reach, std::hypot(l.x1, l.y1) + l.width / 2, std::hypot(l.x2, l.y2) + l.width / 2});
    for (const CircleItem& c : surface.Circles()) reach = std::max(reach, std::hypot(c.x, c.y) + c.radius + c.width / 2);
  }
  EXPECT_EQ(std::ceil(reach), MinStartScale) << reach;
  EXPECT_EQ(MaxStartScale, 2 * MinStartScale) << "the wheel fills at least half the window's height";
}

TEST(AspectLines, AspectOfTwoLongitudesByTheOrbFile) {
  // NATAL.ORB-like orbs: element c - 1 for code c.
  std::array<float, OrbCount + 1> orbs{};
  for (float& o : orbs) o = 0;
  orbs[1] = 8, orbs[2] = 6, orbs[3] = 7, orbs[4] = 7, orbs[5] = 8, orbs[6] = 1, orbs[7] = 2, orbs[10] = 3, orbs[13] = 2;
  struct Case { double a, b; int code; };
  const Case cases[] = {
      {10, 15, 1},      // a conjunction draws no chord
      {10, 130, 5},     // trine
      {10, 137, 5},     // trine at the edge of its orb
      {10, 137.5, 1},   // just beyond
      {350, 50, 3},     // sextile across 0 Aries
      {0, 90.5, 4},     // square
      {0, 150, 11},     // quincunx
      {0, 72, 14},      // quintile
      {0, 40.5, 1},     // nonagen: no orb, only an exact one counts
      {0, 40, 13},
      {0, 180, 6},      // opposition
  };
  for (const Case& c : cases) EXPECT_EQ(ChordAspect(c.a, c.b, orbs), c.code) << c.a << " " << c.b;
  EXPECT_EQ(AspectFamilyColour(5), AspectFamilyColour(3));
  EXPECT_EQ(AspectFamilyColour(4), AspectFamilyColour(6));
  EXPECT_NE(AspectFamilyColour(4), AspectFamilyColour(5));
}

TEST(WheelPaint, UnreadableOrbFileWarnsOnceAndKeepsTheOrbs) {
  auto state = testing::ShippedWheelState();
  const auto orbs = state->options.AspectOrb;
  ASSERT_GT(orbs[4], 0);
  const std::string dir = testing::ScratchDir("orbs");
  state->AppPath = dir;
  SetWheelOrbFile(*state, "NOSUCH.ORB");
  const std::string missing = "File not found: NOSUCH.ORB (" + dir + "/NOSUCH.ORB)";
  EXPECT_EQ(ReloadWheelOrbs(*state), OrbFileWarningText(missing));
  EXPECT_EQ(ReloadWheelOrbs(*state), std::nullopt) << "once";
  EXPECT_EQ(state->options.AspectOrb, orbs);

  // A file that is found again is read; a refused value warns anew, naming its line.
  std::filesystem::copy_file(testing::StagedProgramDir() + "/NATAL.ORB", dir + "/NOSUCH.ORB");
  EXPECT_EQ(ReloadWheelOrbs(*state), std::nullopt);
  WriteTextLines(dir + "/NOSUCH.ORB", {"8", "1e30"});
  const std::optional<std::string> refused = ReloadWheelOrbs(*state);
  ASSERT_TRUE(refused.has_value());
  EXPECT_EQ(refused->rfind("NOSUCH.ORB, line 2:", 0), 0u) << *refused;
  EXPECT_EQ(state->options.AspectOrb, orbs);
}

TEST(SurfaceTwins, FontSizeOfZeroOrLessFallsBackToTheShippedSize) {
  OptionTables options;
  options.OptionValues[72] = 0;
  options.OptionValues[82] = -3;
  options.OptionValues[73] = 9.5f;
  options.OptionValues[74] = 1e30f;
  options.OptionValues[92] = 4;
  options.OptionValues[93] = 99;
  EXPECT_EQ(WheelFontSize(options, 72), 12);
  EXPECT_EQ(WheelFontSize(options, 82), 11);
  EXPECT_EQ(WheelFontSize(options, 73), 9.5);
  EXPECT_EQ(WheelFontSize(options, 74), 400);
  EXPECT_EQ(WheelColour(options, 92), 0x800000u);
  EXPECT_EQ(WheelColour(options, 93), 0u) << "outside the palette: black";
  // the fallback sizes are those of the factory option file
  const auto state = testing::ShippedWheelState();
  for (int option : {68, 69, 70, 71, 72, 73, 74, 75, 76, 78, 79, 80, 81, 82, 83, 84, 85, 86, 174}) {
    OptionTables zero;
    EXPECT_EQ(WheelFontSize(zero, option), state->options.OptionValues[option]) << option;
  }
}

}  // namespace
}  // namespace halcyra
