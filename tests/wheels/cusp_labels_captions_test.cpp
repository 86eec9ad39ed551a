// The cusp labels at the rim and the caption blocks beside the wheel.
#include <gtest/gtest.h>

#include <cmath>

#include "wheel_fixture.h"
#include "wheels/cusp_labels.h"
#include "wheels/recording_surface.h"
#include "wheels/wheel_captions.h"

namespace halcyra {
namespace {

// Cusps 30 degrees apart from the Ascendant at 120 + 5 minutes; HCDATA.DAT numbered 0, 1, 2 ...
struct Labels {
  CuspTable cusps{};
  CuspLabelTable layout{};
  Labels() {
    for (int h = 1; h <= 12; ++h) cusps[CuspEntryOfHouse(h)] = 120 + 5 / 60.0 + 30 * (h - 1) - (h > 8 ? 360 : 0);
    for (int i = 0; i < GlyphStrokeValues; ++i) layout[static_cast<size_t>(i)] = i;
  }
  std::vector<TextItem> Draw(bool europeanSingle, bool printer = false) const {
    const auto state = testing::ShippedWheelState();
    return CuspLabels(cusps, cusps, europeanSingle, layout, TwinFor(state->options, printer));
  }
};

TEST(CuspLabels, FixedPlacesFromTheDrawingTable) {
  const std::vector<TextItem> items = Labels().Draw(false);
  ASSERT_EQ(items.size(), 60u);
  // Cusp entry 4, the Ascendant at 0 Leo 05: "0", "0" bold, the sign, "0", "5"
  // at entries 30 to 39 of the table.
  std::vector<std::string> texts;
  for (int i = 15; i < 20; ++i) {
    const TextItem& item = items[static_cast<size_t>(i)];
    texts.push_back(item.text.Describe());
    EXPECT_EQ(item.x, 30 + 2 * (i - 15));
    EXPECT_EQ(item.y, 31 + 2 * (i - 15));
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"0", "0", "<g196>", "0", "5"}));
  EXPECT_TRUE(items[15].font.bold && items[16].font.bold && !items[17].font.bold && !items[18].font.bold);
  EXPECT_EQ(items[17].font.size, 10);  // option 70
}

TEST(CuspLabels, EuropeanLabelsFollowTheirCusps) {
  // Screen angle = cusp less the Descendant's. x0 = 236 * 0.91984662 cos a + 4,
  // less 23 strictly between 80 and 100 or 260 and 280, less 49 from 100 to
  // 260; the Ascendant and Descendant keep their fixed places.
  struct Case { double angle, shift; };
  for (const Case c : {Case{0, 0}, Case{80, 0}, Case{90, 23}, Case{100, 49}, Case{260, 49}, Case{270, 23},
                       Case{280, 0}}) {
    Labels l;
    l.cusps[10] = 300;  // whole degrees, so the angles are exact
    l.cusps[1] = std::fmod(300 + c.angle, 360);  // the MC's label
    const std::vector<TextItem> items = l.Draw(true);
    const double x0 = 236 * 0.91984662 * std::cos(c.angle * 3.1415926535 / 180) + 4 - c.shift;
    const double y0 = 236 * 0.91984662 * std::sin(c.angle * 3.1415926535 / 180) + 4;
    const double offsets[5] = {-2, 6, 16, 33, 40};
    for (int i = 0; i < 5; ++i) {
      EXPECT_NEAR(items[static_cast<size_t>(i)].x, x0 + offsets[i], 1e-9) << c.angle;
      EXPECT_NEAR(items[static_cast<size_t>(i)].y, y0, 1e-9) << c.angle;
    }
    EXPECT_EQ(items[15].x, 30) << "the Ascendant's fixed place";
    EXPECT_EQ(items[45].x, 90) << "the Descendant's fixed place";
  }
  // The printer's offsets, and its corrections of 21 and 39.
  Labels l;
  l.cusps[10] = 300;
  l.cusps[1] = 120;
  const std::vector<TextItem> page = l.Draw(true, true);
  EXPECT_NEAR(page[4].x - page[0].x, 30 + 2, 1e-9);
  EXPECT_NEAR(page[0].x, -236 * 0.91984662 + 4 - 39 - 2, 1e-6);
}

TEST(Captions, SingleWheelPrintsSevenLinesAndDualAddsTheInnerBlock) {
  const auto state = testing::ShippedWheelState();
  CaptionBlock outer{}, inner{};
  for (int line = 1; line <= 7; ++line) outer[line] = "outer " + std::to_string(line), inner[line] = "inner";
  const RecordingSurface surface;  // +-287 high; caption size 8, lines 9.6 units
  const SurfaceTwin window = TwinFor(state->options, false);
  const std::vector<TextItem> single = WheelCaptions(outer, inner, 1, surface.Area(), window, surface);
  ASSERT_EQ(single.size(), 7u);
  EXPECT_NEAR(single[0].x, surface.Area().ScaleLeft + 10, 1e-9);
  EXPECT_NEAR(single[0].y, 287, 1e-9);
  EXPECT_NEAR(single[6].y, 287 - 6 * 9.6, 1e-9);

  const std::vector<TextItem> dual = WheelCaptions(outer, inner, 2, surface.Area(), window, surface);
  ASSERT_EQ(dual.size(), 15u);
  EXPECT_EQ(dual[7].text.text, InnerChartHeading);
  EXPECT_NEAR(dual[7].y, -287 + 11 * 9.6, 1e-9);  // eleven lines above the bottom edge
  EXPECT_NEAR(dual[8].y, dual[7].y - 2 * 9.6, 1e-9);  // an empty line between

  // The printer: 30 units in, option 243 (10) below the top, the inner block
  // option 191 + 3 (11) lines above the bottom, caption size 9 (lines 10.8).
  const SurfaceTwin page = TwinFor(state->options, true);
  const std::vector<TextItem> printed = WheelCaptions(outer, inner, 2, surface.Area(), page, surface);
  EXPECT_NEAR(printed[0].x, surface.Area().ScaleLeft + 30, 1e-9);
  EXPECT_NEAR(printed[0].y, 287 - 10, 1e-9);
  EXPECT_NEAR(printed[7].y, -287 + 11 * 10.8, 1e-9);
}

TEST(Captions, PrintedFooterRightAlignedWhenOption174IsSet) {
  auto state = testing::ShippedWheelState();
  const RecordingSurface surface(WheelArea{-287, 380, 574, -760});
  const CaptionBlock none{};
  const std::vector<std::string> lines = {"Jane Doe", "", "Astrologer"};
  // option 174 = 10: size 10, lines 12 high, right end at 287 - 20, from 380 - 10 down
  std::vector<TextItem> footer = WheelCaptions(none, none, 1, surface.Area(), PrinterTwin(state->options), surface, lines);
  ASSERT_EQ(footer.size(), 2u);  // the empty line prints nothing and moves the next down
  EXPECT_NEAR(footer[0].x + 0.6 * 10 * 8, 287 - 20, 1e-9);
  EXPECT_NEAR(footer[0].y, 370, 1e-9);
  EXPECT_NEAR(footer[1].y, 370 - 2 * 12, 1e-9);
  EXPECT_TRUE(WheelCaptions(none, none, 1, surface.Area(), PrinterTwin(state->options), surface).empty())
      << "no PERSONAL.NAM, no footer";
  state->options.OptionValues[174] = 0;
  EXPECT_TRUE(WheelCaptions(none, none, 1, surface.Area(), PrinterTwin(state->options), surface, lines).empty())
      << "option 174 = 0";
  EXPECT_TRUE(WheelCaptions(none, none, 1, surface.Area(), WindowTwin(state->options), surface, lines).empty())
      << "the window has no footer";
}

}  // namespace
}  // namespace halcyra
