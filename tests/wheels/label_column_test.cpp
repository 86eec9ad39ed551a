// The label column of a point, measured with the recording surface's plain
// metrics (a glyph one font size wide, a character 0.6, lines 1.2 high) and
// the shipped options: window sizes 12 glyph, 8 degrees, 9 sign, 7 minutes
// and mark; cell offsets 3 (sign width and height), 2 (digit width), 1 (digit height).
#include <gtest/gtest.h>

#include <cmath>

#include "wheel_fixture.h"
#include "wheels/label_column.h"
#include "wheels/recording_surface.h"
#include "wheels/wheel_paint.h"

namespace halcyra {
namespace {

struct Column {
  std::vector<TextItem> items;
  std::vector<std::string> texts;
};

// The Sun at 3 Leo 45 (sign glyph 196), retrograde, at `angle` and radius 200.
Column Label(int house, double angle, bool printer = false, bool european = false, float option193 = 0) {
  auto state = testing::ShippedWheelState();
  if (option193 > 0) state->options.OptionValues[193] = option193;
  const SurfaceTwin twin = TwinFor(state->options, printer);
  const RecordingSurface surface;
  LabelContext context;
  context.twin = &twin;
  context.europeanSingle = european;
  context.glyphCell = MeasureGlyphCell(twin, surface);
  PlacedPoint placed;
  placed.point = Sun;
  placed.house = house;
  placed.glyphAngle = angle;
  placed.labelRadius = 200;
  Column column;
  column.items = PlanetLabel(placed, 123.75, true, context, surface);
  for (const TextItem& item : column.items) column.texts.push_back(item.text.Describe());
  return column;
}

TEST(LabelColumn, LeftHandReadsFromTheGlyphInwards) {
  // At 180 degrees the column runs right: glyph cell 12 + 3 = 15, digit cells
  // 8 * 0.6 + 2 = 7 (rounded), the sign's own cell 9 + 3 = 12, minutes 7 * 0.6 + 2 = 6.
  const Column c = Label(1, 180);
  EXPECT_EQ(c.texts, (std::vector<std::string>{"<g224>", "0", "3", "<g196>", "4", "5", "<g156>"}));
  std::vector<double> xs;
  for (const TextItem& item : c.items) xs.push_back(std::round(item.x * 1000) / 1000);
  EXPECT_EQ(xs, (std::vector<double>{-200, -185, -178, -171, -159, -153, -147}));
  EXPECT_TRUE(c.items[1].font.bold && c.items[2].font.bold && !c.items[4].font.bold);
  EXPECT_EQ(c.items[6].font.size, 7);
}

TEST(LabelColumn, RightHandReadsFromTheCentreOutwards) {
  // At 0 degrees the column runs left from the glyph: a digit cell of the
  // glyph's size (12 * 0.6 + 2 = 9), two minute cells of 6 and one more,
  // the sign, then degree cells of 7.
  const Column c = Label(7, 0);
  EXPECT_EQ(c.texts, (std::vector<std::string>{"<g224>", "5", "4", "<g196>", "3", "0", "<g156>"}));
  std::vector<double> xs;
  for (const TextItem& item : c.items) xs.push_back(std::round(item.x * 1000) / 1000);
  EXPECT_EQ(xs, (std::vector<double>{200, 191, 185, 173, 166, 159, 152}));
}

TEST(LabelColumn, SideOfTheLabelByHouseAndKindOfWheel) {
  struct Case {
    bool european, fromHouse3;
    std::vector<int> rightHandHouses;  // at a glyph angle of 100
  };
  const Case cases[] = {
      {false, false, {4, 5, 6, 7, 8, 9}},
      {false, true, {3, 4, 5, 6, 7, 8}},
      {true, true, {}},  // European: by angle only, and 100 is on the left
  };
  for (const Case& c : cases) {
    LabelContext context;
    context.europeanSingle = c.european;
    context.rightHandFromHouse3 = c.fromHouse3;
    std::vector<int> right;
    for (int h = 1; h <= 12; ++h)
      if (!IsLeftHandLabel(h, 100, context)) right.push_back(h);
    EXPECT_EQ(right, c.rightHandHouses) << c.european << c.fromHouse3;
  }
  LabelContext european;
  european.europeanSingle = true;
  for (const auto& [angle, left] : {std::pair{74.9, false}, {75.0, true}, {254.9, true}, {255.0, false}})
    EXPECT_EQ(IsLeftHandLabel(1, angle, european), left) << angle;
}

TEST(LabelColumn, RetrogradeMarkOnlyForPlanetsNodeChironAndLilith) {
  std::vector<int> marked;
  for (int p = 1; p <= NumPoints; ++p)
    if (CarriesRetrogradeMark(p)) marked.push_back(p);
  EXPECT_EQ(marked, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 16}));
}

TEST(LabelColumn, PrinterTwinDrawsCloserToTheCentreAndStepsFurtherUp) {
  // At the top (house 10): the printer's glyph at 0.9875 of the radius, and
  // the first step down by 0.8 of the cell height instead of 0.75; its glyph
  // cell is 11 + 3 = 14 wide and round(13.2 + 3) = 16 high, the window's 17.
  const Column window = Label(10, 90), page = Label(10, 90, true);
  EXPECT_NEAR(window.items[0].y, 200, 1e-6);
  EXPECT_NEAR(page.items[0].y, 197.5, 1e-6);
  EXPECT_NEAR(window.items[0].y - window.items[1].y, 17 * 0.75, 1e-6);
  EXPECT_NEAR(page.items[0].y - page.items[1].y, 16 * 0.8, 1e-6);
}

TEST(LabelColumn, LargeMinutesCloseTheLinesUp) {
  // Right-hand kind near the top: minutes of option 193's size or more
  // shrink the digit cell height by option 194 (2) on the window.
  const Column normal = Label(9, 89), closed = Label(9, 89, false, false, 7);
  const double normalStep = normal.items[1].y - normal.items[2].y;
  const double closedStep = closed.items[1].y - closed.items[2].y;
  EXPECT_NEAR(normalStep - closedStep, 2 * 0.75 * std::sin(89 * 3.1415926535 / 180), 1e-9);
}

}  // namespace
}  // namespace halcyra
