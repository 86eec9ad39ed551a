// The zodiac strip's stacking, height, ticks, glyph and house-number places
// and header, on round metrics (twips) chosen so every expected value is
// exact.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "wheels/strip_layout.h"

namespace halcyra {
namespace {

using Positions = std::array<double, StripPointCount + 1>;
using Rows = std::array<int, StripPointCount + 1>;

constexpr double D = 300;  // collision distance

// Points not named by a case stand far apart, past everything a case uses.
Positions Spread(std::initializer_list<double> first) {
  Positions x{};
  for (int i = 1; i <= StripPointCount; ++i) x[i] = 100000 + 10000.0 * i;
  int i = 1;
  for (double v : first) x[i++] = v;
  return x;
}

TEST(StripStacking, RowsByThePassRule) {
  // positions of the first points (twips along the strip), their rows
  const struct {
    const char* what;
    std::initializer_list<double> x;
    std::vector<int> rows;
  } cases[] = {
      {"exactly D apart collide", {0, D}, {1, 2}},
      {"more than D apart share a row", {0, D + 0.001}, {1, 1}},
      {"distance counts both ways", {D, 0}, {1, 2}},
      {"a point pushed by point 1 pushes nobody in that pass", {0, D, 2 * D}, {1, 2, 1}},
      {"three close points: b and c down in pass 1, b pushes c in pass 2", {0, D / 2, D}, {1, 2, 3}},
      {"a point fixed in row 1 is not pushed by a later pass", {0, 2 * D, D, 1.5 * D}, {1, 1, 2, 3}},
  };
  for (const auto& c : cases) {
    const Rows rows = StackStripRows(Spread(c.x), D);
    std::vector<int> got(rows.begin() + 1, rows.begin() + 1 + c.rows.size());
    EXPECT_EQ(got, c.rows) << c.what;
    EXPECT_TRUE(std::all_of(rows.begin() + 1 + c.rows.size(), rows.end(), [](int r) { return r == 1; }))
        << c.what << ": the points far away stay in row 1";
  }
}

TEST(StripStacking, ThirteenPointsTogetherTakeThirteenRows) {
  const Rows rows = StackStripRows(Positions{}, D);
  for (int i = 1; i <= StripPointCount; ++i) EXPECT_EQ(rows[i], i);
}

// Metrics of a 12-point glyph font at 15 twips a pixel, rounded.
StripMetrics Metrics() {
  StripMetrics m;
  m.digitWidth = 150;
  m.digitHeight = 300;
  m.signGlyphWidth = 240;
  m.signLineHeight = 330;
  m.overlapWidth = D;
  m.houseDigitWidth = 150;
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

std::vector<StripLine> Lines(const StripLayout& layout) {
  std::vector<StripLine> lines;
  for (const StripMark& mark : layout.marks)
    if (auto* line = std::get_if<StripLine>(&mark)) lines.push_back(*line);
  return lines;
}

std::vector<StripText> Texts(const StripLayout& layout) {
  std::vector<StripText> texts;
  for (const StripMark& mark : layout.marks)
    if (auto* text = std::get_if<StripText>(&mark)) texts.push_back(*text);
  return texts;
}

TEST(StripLayout, ChartNotYetComputedStacksEveryPointUnderNoughtDegrees) {
  const StripLayout layout = LayOutStrip(ChartSet{}, "", StripOptions(), Metrics(), Width);
  // 7 digit heights, then 13 rows less the gap under the line
  EXPECT_EQ(layout.height, 7 * 300 + 13 * 330 - 120);
  EXPECT_EQ(layout.baseline, (7 * 300 - 500) / 2.0);
  EXPECT_EQ(layout.rows[13], 13);
  EXPECT_EQ(layout.background, 15);
}

TEST(StripLayout, TicksRunFromNoughtTo360WithTwelveSignGlyphs) {
  const StripLayout layout = LayOutStrip(ChartSet{}, "", StripOptions(), Metrics(), Width);
  const double y0 = layout.baseline;
  // half length of a tick -> colour and the x of every tick of that kind
  std::map<double, std::pair<int, std::vector<double>>> ticks;
  for (const StripLine& line : Lines(layout)) {
    if (line.y1 == line.y2) {
      EXPECT_EQ(std::tuple(line.x1, line.x2, line.y1, line.colour), std::tuple(Left, Right, y0, 0)) << "baseline";
      continue;
    }
    auto& [colour, xs] = ticks[(line.y2 - line.y1) / 2];
    colour = line.colour;
    xs.push_back(line.x1);
  }
  // every 5, 10 and 30 degrees, both ends included; at this width, adding
  // W / 36 thirty-six times would pass 360 and lose the last 10-degree tick
  const struct { double half; int colour, count; } expected[] = {{40, 7, 73}, {60, 8, 37}, {120, 0, 13}};
  for (const auto& e : expected) {
    const auto& [colour, xs] = ticks[e.half];
    EXPECT_EQ(colour, e.colour) << e.half;
    ASSERT_EQ(static_cast<int>(xs.size()), e.count) << e.half;
    EXPECT_EQ(xs.front(), Left) << e.half;
    EXPECT_DOUBLE_EQ(xs.back(), Right) << e.half;
  }
  std::vector<int> signs;
  for (const StripText& text : Texts(layout))
    if (text.glyph >= 192 && text.glyph < 224) {
      signs.push_back(text.glyph);
      // centred on the tick at the start of its sign
      EXPECT_DOUBLE_EQ(text.left + 240 / 2.0, Left + (text.glyph - 192) * Span / 12) << text.glyph;
      EXPECT_EQ(text.top, y0 - 110);
      EXPECT_EQ(std::tuple(text.font, text.colour), std::tuple(StripFont{12, true}, 4));
    }
  EXPECT_EQ(signs, (std::vector<int>{192, 193, 194, 195, 196, 197, 198, 199, 200, 201, 202, 203}));
}

TEST(StripLayout, PointsStandAtTheirLongitudesInTheirRows) {
  ChartSet chart;
  // Sun, Mercury and Venus within the collision distance, Mars on its own,
  // Jupiter at 359 beside a Saturn at 1 degree; the rest spread out.
  const double longitudes[] = {100, 101, 102, 200, 359, 1, 30, 60, 75, 130, 160, 230, 260};
  for (int i = 1; i <= 13; ++i) chart.Long[i] = longitudes[i - 1];
  chart.RetroFlags[Mercury - 1] = 'R';
  const StripLayout layout = LayOutStrip(chart, "", StripOptions(), Metrics(), Width);
  EXPECT_EQ(std::vector(layout.rows.begin() + 1, layout.rows.end()),
            (std::vector<int>{1, 2, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(layout.height, 7 * 300 + 3 * 330 - 120);
  std::vector<StripText> points;
  for (const StripText& text : Texts(layout))
    if (text.glyph > 223) points.push_back(text);
  ASSERT_EQ(points.size(), 13u);
  for (int i = 1; i <= 13; ++i) {
    const StripText& p = points[i - 1];
    EXPECT_EQ(p.glyph, 223 + i);
    // left edge one digit width left of the point's tick
    EXPECT_DOUBLE_EQ(p.left, Span * longitudes[i - 1] / 360) << i;
    // rows one sign-font line apart, also below a retrograde point drawn larger
    EXPECT_EQ(p.top, layout.baseline + 120 + (layout.rows[i] - 1) * 330) << i;
    const bool retrograde = i == Mercury;
    EXPECT_EQ(std::tuple(p.font, p.colour),
              retrograde ? std::tuple(StripFont{14, false}, 12) : std::tuple(StripFont{12, false}, 0)) << i;
  }
}

TEST(StripLayout, HouseNumbersAreCentredOnTheirCuspTicks) {
  ChartSet chart;
  // unequal houses from an MC at 285.5 degrees, past 360 into the first signs
  for (int entry = 1; entry <= 12; ++entry) chart.Cusp[entry] = std::fmod(285.5 + 30 * (entry - 1) + 2 * entry, 360);
  const StripLayout layout = LayOutStrip(chart, "", StripOptions(), Metrics(), Width);
  // house -> its digits' texts and the middle of them
  std::map<int, std::pair<std::string, double>> numbers;
  std::vector<StripText> digits;
  for (const StripText& text : Texts(layout))
    if (text.glyph == 0 && text.top != 0) digits.push_back(text);
  ASSERT_EQ(digits.size(), 9u + 2 * 3);
  for (size_t k = 0; k < digits.size();) {
    const StripText& d = digits[k];
    EXPECT_EQ(std::tuple(d.top, d.font, d.colour), std::tuple(layout.baseline - 90 - 300, StripFont{8, false}, 1));
    const bool twoDigits = d.text == "1" && k + 1 < digits.size() && digits[k + 1].left == d.left + 150;
    const std::string number = twoDigits ? d.text + digits[k + 1].text : d.text;
    numbers[std::stoi(number)] = {number, d.left + (twoDigits ? 150 : 75)};
    k += twoDigits ? 2 : 1;
  }
  ASSERT_EQ(numbers.size(), 12u);
  for (int house = 1; house <= 12; ++house) {
    const double cusp = chart.Cusp[house < 10 ? house + 3 : house - 9];
    EXPECT_EQ(numbers[house].first, std::to_string(house));
    EXPECT_DOUBLE_EQ(numbers[house].second, Left + Span * cusp / 360) << house;
  }
}

TEST(StripHeader, FieldsFiveBlanksApart) {
  ChartSet natal;
  natal.ClockTime = 3.25;
  natal.AmPm = "P.M.";
  natal.Zone = 5;
  natal.GeoLong = 73.59;
  natal.GeoLat = 40.45;
  natal.SiderealText = "10H  29M  07S ";
  // date text, date order, zone, longitude, latitude and their words -> header
  const struct {
    const char* date;
    int order;
    double zone, lon, lat;
    const char *ew, *ns, *expected;
  } cases[] = {
      {"7/14/1975", 0, 5, 73.59, 40.45, "WEST", "NORTH",
       "Test Person - natal     14 Jul 1975     3.25 P.M. (5)     73.59 WEST     40.45 NORTH     10H  29M  07S "},
      {"14/7/1975", 1, -5.5, -151.13, -33.52, "EAST", "SOUTH",
       "Test Person - natal     14 Jul 1975     3.25 P.M. (-5.5)     151.13 EAST     33.52 SOUTH     10H  29M  07S "},
      {"1975/7/4", 2, 0, 0.07, 5.5, "WEST", "NORTH",
       "Test Person - natal     04 Jul 1975     3.25 P.M. (0)     0.07 WEST     5.50 NORTH     10H  29M  07S "},
  };
  for (const auto& c : cases) {
    natal.DateText = c.date;
    natal.Zone = c.zone;
    natal.GeoLong = c.lon;
    natal.GeoLat = c.lat;
    natal.EWText = c.ew;
    natal.NSText = c.ns;
    EXPECT_EQ(StripHeaderText("Test Person", natal, c.order), c.expected) << c.date;
  }
  // Before the first chart there is no date and no name.
  ChartSet none;
  none.AmPm = "";
  EXPECT_EQ(StripHeaderText("", none, 0), " - natal          0.00  (0)     0.00 WEST     0.00 NORTH     ");
}

}  // namespace
}  // namespace halcyra
