// The zodiac strip's stacking, height, ticks and header, on round metrics
// (twips) chosen so every expected value is exact.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "wheels/strip_layout.h"

namespace halcyra {
namespace {

constexpr double D = 300;  // collision distance

TEST(StripStacking, RowsByThePassRule) {
  // positions of the first points (twips along the strip), their rows;
  // the other points stand far apart and keep row 1
  const struct {
    const char* what;
    std::vector<double> x;
    std::vector<int> rows;
  } cases[] = {
      {"exactly D apart collide", {0, D}, {1, 2}},
      {"more than D apart share a row", {0, D + 0.001}, {1, 1}},
      {"distance counts both ways", {D, 0}, {1, 2}},
      {"a point pushed by point 1 pushes nobody in that pass", {0, D, 2 * D}, {1, 2, 1}},
      {"three close points: b and c down in pass 1, b pushes c in pass 2", {0, D / 2, D}, {1, 2, 3}},
      {"thirteen points together take thirteen rows", std::vector<double>(13, 0),
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
  };
  for (const auto& c : cases) {
    std::array<double, StripPointCount + 1> x{};
    for (int i = 1; i <= StripPointCount; ++i)
      x[i] = i <= static_cast<int>(c.x.size()) ? c.x[i - 1] : 100000 + 10000.0 * i;
    const auto rows = StackStripRows(x, D);
    std::vector<int> expected = c.rows;
    expected.resize(StripPointCount, 1);
    EXPECT_EQ(std::vector(rows.begin() + 1, rows.end()), expected) << c.what;
  }
}

// Metrics of a 12-point glyph font at 15 twips a pixel, rounded.
StripMetrics Metrics() {
  StripMetrics m;
  m.digitWidth = 150, m.digitHeight = 300;
  m.signGlyphWidth = 240, m.signLineHeight = 330;
  m.overlapWidth = D, m.houseDigitWidth = 150;
  return m;
}

OptionTables StripOptions() {
  OptionTables options;
  // 141..157: sizes 8 8 12 14, colours 0 1 0 12 15 0 8 7, sign size 12 colour 4, bold 0 1 0
  const float values[] = {8, 8, 12, 14, 0, 1, 0, 12, 15, 0, 8, 7, 12, 4, 0, 1, 0};
  for (int k = 0; k < 17; ++k) options.OptionValues[141 + k] = values[k];
  return options;
}

constexpr double Width = 9600;  // the default window width
constexpr double Left = 150, Right = Width - 300, Span = Right - Left;

TEST(StripLayout, TicksRunFromNoughtTo360WithTwelveSignGlyphs) {
  const StripLayout layout = LayOutStrip(ChartSet{}, "", StripOptions(), Metrics(), Width);
  // half length of a tick -> its colour and the x of every tick of that kind
  std::map<double, std::pair<int, std::vector<double>>> ticks;
  std::vector<int> signs;
  for (const StripMark& mark : layout.marks) {
    if (const auto* line = std::get_if<StripLine>(&mark); line && line->x1 == line->x2) {
      auto& [colour, xs] = ticks[(line->y2 - line->y1) / 2];
      colour = line->colour;
      xs.push_back(line->x1);
    } else if (const auto* text = std::get_if<StripText>(&mark); text && text->glyph > 191 && text->glyph < 224) {
      signs.push_back(text->glyph);
      EXPECT_DOUBLE_EQ(text->left + 240 / 2.0, Left + (text->glyph - 192) * Span / 12) << "on its sign's tick";
    }
  }
  // every 5, 10 and 30 degrees, both ends included; at this width, adding
  // W / 36 thirty-six times would pass 360 and lose the last 10-degree tick
  const struct { double half; int colour, count; } expected[] = {{40, 7, 73}, {60, 8, 37}, {120, 0, 13}};
  for (const auto& e : expected) {
    const auto& [colour, xs] = ticks[e.half];
    ASSERT_EQ(std::tuple(colour, static_cast<int>(xs.size())), std::tuple(e.colour, e.count)) << e.half;
    EXPECT_EQ(xs.front(), Left) << e.half;
    EXPECT_DOUBLE_EQ(xs.back(), Right) << e.half;
  }
  EXPECT_EQ(signs, (std::vector<int>{192, 193, 194, 195, 196, 197, 198, 199, 200, 201, 202, 203}));
}

TEST(StripLayout, PointsStandAtTheirLongitudesOneSignLineARowApart) {
  // Sun, Mercury and Venus within the collision distance, Jupiter at 359
  // beside a Saturn at 1 degree, the rest spread out; Mercury retrograde.
  const double longitudes[] = {100, 101, 102, 200, 359, 1, 30, 60, 75, 130, 160, 230, 260};
  ChartSet chart;
  for (int i = 1; i <= 13; ++i) chart.Long[i] = longitudes[i - 1];
  chart.RetroFlags[Mercury - 1] = 'R';
  const StripLayout layout = LayOutStrip(chart, "", StripOptions(), Metrics(), Width);
  EXPECT_EQ(std::vector(layout.rows.begin() + 1, layout.rows.end()),
            (std::vector<int>{1, 2, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
  // 7 digit heights, then 3 rows less the gap under the line
  EXPECT_EQ(layout.height, 7 * 300 + 3 * 330 - 120);
  int point = 0;
  for (const StripMark& mark : layout.marks) {
    const auto* p = std::get_if<StripText>(&mark);
    if (!p || p->glyph < 224) continue;
    const int i = ++point;
    EXPECT_EQ(p->glyph, 223 + i);
    EXPECT_DOUBLE_EQ(p->left, Span * longitudes[i - 1] / 360) << "one digit width left of its tick: " << i;
    // every row one line of the sign font down, also below a retrograde
    // point drawn larger, so the rows line up and fit the height
    EXPECT_EQ(p->top, layout.baseline + 120 + (layout.rows[i] - 1) * 330) << i;
    EXPECT_EQ(std::tuple(p->font, p->colour),
              i == Mercury ? std::tuple(StripFont{14, false}, 12) : std::tuple(StripFont{12, false}, 0)) << i;
  }
  EXPECT_EQ(point, 13);
}

TEST(StripHeader, FieldsFiveBlanksApart) {
  ChartSet natal;
  natal.ClockTime = 3.25;
  natal.AmPm = "P.M.";
  natal.SiderealText = "10H  29M  07S ";
  // date text in its order, zone, longitude and latitude (east and south negative) -> header
  const struct {
    const char* date;
    int order;
    double zone, lon, lat;
    const char* expected;
  } cases[] = {
      {"7/14/1975", 0, 5, 73.59, 40.45,
       "Test Person - natal     14 Jul 1975     3.25 P.M. (5)     73.59 WEST     40.45 NORTH     10H  29M  07S "},
      {"14/7/1975", 1, -5.5, -151.13, -33.52,
       "Test Person - natal     14 Jul 1975     3.25 P.M. (-5.5)     151.13 EAST     33.52 SOUTH     10H  29M  07S "},
      {"1975/7/4", 2, 0, 0.07, 5.5,
       "Test Person - natal     04 Jul 1975     3.25 P.M. (0)     0.07 WEST     5.50 NORTH     10H  29M  07S "},
      {"", 0, 0, 0, 0,  // no chart yet: no date
       "Test Person - natal          3.25 P.M. (0)     0.00 WEST     0.00 NORTH     10H  29M  07S "},
  };
  for (const auto& c : cases) {
    natal.DateText = c.date;
    natal.Zone = c.zone, natal.Where = Place::FromDotMinutes(c.lon, c.lat);
    EXPECT_EQ(StripHeaderText("Test Person", natal, c.order), c.expected) << c.date;
  }
}

}  // namespace
}  // namespace halcyra
