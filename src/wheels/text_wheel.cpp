#include "wheels/text_wheel.h"

#include <algorithm>
#include <string_view>

#include "core/angle_helpers.h"
#include "shell/report_output.h"
#include "state/shared_tables.h"
#include "wheels/degree_grid.h"

namespace halcyra {

namespace {

// Two letters per point, Sun to Chiron; mixed-case signs for the points, the
// upper-case SignAbbrevs for the cusps.
constexpr std::string_view AsciiPlanetCodes = "SUMEVEMAJUSAURNEPLMONNPFCH";
constexpr std::string_view AsciiSignCodes = "AriTauGemCanLeoVirLibScoSagCprAquPis";

// Slots 0 to 6 of houses 1 to 12, as (row, column).
constexpr AsciiPlace HousePlaces[12][AsciiSlotsPerHouse] = {
    {{14, 9}, {15, 9}, {16, 9}, {17, 9}, {18, 9}, {15, 18}, {16, 18}},
    {{19, 18}, {20, 16}, {21, 16}, {22, 16}, {23, 16}, {17, 24}, {18, 24}},
    {{18, 32}, {19, 32}, {20, 31}, {21, 31}, {22, 31}, {23, 31}, {24, 31}},
    {{24, 41}, {23, 41}, {22, 41}, {21, 41}, {20, 41}, {19, 40}, {18, 40}},
    {{23, 56}, {22, 56}, {21, 56}, {20, 56}, {19, 54}, {18, 48}, {17, 48}},
    {{18, 62}, {17, 62}, {16, 62}, {15, 62}, {14, 62}, {15, 54}, {14, 54}},
    {{12, 62}, {11, 62}, {10, 62}, {9, 62}, {8, 62}, {12, 54}, {11, 54}},
    {{7, 54}, {6, 56}, {5, 56}, {4, 56}, {3, 56}, {9, 48}, {8, 48}},
    {{8, 40}, {7, 40}, {6, 41}, {5, 41}, {4, 41}, {3, 41}, {2, 41}},
    {{2, 31}, {3, 31}, {4, 31}, {5, 31}, {6, 31}, {7, 32}, {8, 32}},
    {{3, 16}, {4, 16}, {5, 16}, {6, 16}, {7, 18}, {8, 24}, {9, 24}},
    {{8, 9}, {9, 9}, {10, 9}, {11, 9}, {12, 9}, {11, 18}, {12, 18}},
};

// The degree label of each cusp entry (1 the MC ... 12 the 9th house); the
// sign follows three columns on.
constexpr AsciiPlace CuspLabelPlaces[13] = {{0, 0},   {1, 37},  {1, 18},  {5, 6},  {13, 6},  {21, 6}, {25, 18},
                                            {25, 37}, {25, 56}, {21, 68}, {13, 68}, {5, 68}, {1, 56}};

// The eight cusp lines from the centre outwards, as (row, column): upper
// left flat and steep, lower left, upper right, lower right.
constexpr AsciiPlace CuspLines[][6] = {
    {{11, 31}, {10, 27}, {9, 23}, {8, 19}, {7, 15}, {6, 11}},
    {{10, 34}, {8, 31}, {6, 28}, {4, 25}, {2, 22}},
    {{15, 31}, {16, 27}, {17, 23}, {18, 19}, {19, 15}, {20, 11}},
    {{16, 34}, {18, 31}, {20, 28}, {22, 25}, {24, 22}},
    {{11, 47}, {10, 51}, {9, 55}, {8, 59}, {7, 63}, {6, 67}},
    {{10, 44}, {8, 47}, {6, 50}, {4, 53}, {2, 56}},
    {{15, 47}, {16, 51}, {17, 55}, {18, 59}, {19, 63}, {20, 67}},
    {{16, 44}, {18, 47}, {20, 50}, {22, 53}, {24, 56}},
};

class AsciiCanvas {
 public:
  AsciiCanvas() : rows_(AsciiRowCount, std::string(AsciiRowWidth, ' ')) {}
  // Replaces the characters from (row, column) on; the row keeps its length.
  void Put(int row, int column, std::string_view text) {
    if (row < 1 || row > AsciiRowCount || column < 1) return;
    std::string& line = rows_[static_cast<size_t>(row - 1)];
    for (size_t i = 0; i < text.size() && column - 1 + i < line.size(); ++i) line[column - 1 + i] = text[i];
  }
  void Star(int row, int column) { Put(row, column, "*"); }
  std::vector<std::string> Rows() && { return std::move(rows_); }

 private:
  std::vector<std::string> rows_;
};

std::string TwoDigits(int value) {
  return std::string(1, static_cast<char>('0' + value / 10 % 10)) + static_cast<char>('0' + value % 10);
}

void DrawFrame(AsciiCanvas& canvas) {
  for (int column = 13; column <= 30; ++column) canvas.Star(13, column);
  for (int column = 48; column <= 66; ++column) canvas.Star(13, column);
  for (int row = 2; row <= 10; ++row) canvas.Star(row, 39);
  for (int row = 16; row <= 24; ++row) canvas.Star(row, 39);
  for (int row : {12, 14})
    for (int column : {30, 48}) canvas.Star(row, column);
  for (int row : {10, 16})
    for (int column : {36, 37, 41, 42}) canvas.Star(row, column);
  for (const auto& line : CuspLines)
    for (const AsciiPlace& at : line)
      if (at.row > 0) canvas.Star(at.row, at.column);
}

void LabelCusps(AsciiCanvas& canvas, const CuspTable& cuspRing) {
  for (int entry = 1; entry <= 12; ++entry) {
    const SignDegMin split = SplitSignDegMin(cuspRing[static_cast<size_t>(entry)]);
    const AsciiPlace at = CuspLabelPlaces[entry];
    canvas.Put(at.row, at.column, TwoDigits(split.degrees));
    canvas.Put(at.row, at.column + 3, PackedField(SignAbbrevs, 3, split.sign));
  }
}

struct SortedPoint {
  int point = 0;
  double longitude = 0;
  int house = 0;
};

}  // namespace

const AsciiLayout& AsciiSlotLayout() {
  static const AsciiLayout layout = [] {
    AsciiLayout table{};
    for (int h = 1; h <= 13; ++h)
      for (int s = 0; s < AsciiSlotsPerHouse; ++s)
        table[static_cast<size_t>(AsciiSlotsPerHouse * (h - 1) + s + 1)] = HousePlaces[(h - 1) % 12][s];
    return table;
  }();
  return layout;
}

std::vector<AsciiEntry> PlaceAsciiPoints(const ChartSet& chart, const PointArray& ringSlots) {
  std::array<SortedPoint, AsciiPointCount + 1> sorted{};
  for (int i = 1; i <= AsciiPointCount; ++i)
    sorted[static_cast<size_t>(i)] = {i, chart.Long[static_cast<size_t>(i)], 0};
  // An exchange sort into falling longitude; equal longitudes stay as they are.
  for (size_t j = 1; j < AsciiPointCount; ++j)
    for (size_t i = j + 1; i <= AsciiPointCount; ++i)
      if (sorted[i].longitude > sorted[j].longitude) std::swap(sorted[i], sorted[j]);

  std::array<int, 13> houseCount{};
  for (size_t j = 1; j <= AsciiPointCount; ++j) {
    sorted[j].house = chart.HouseOf(sorted[j].point);
    if (sorted[j].house >= 1 && sorted[j].house <= 12) ++houseCount[static_cast<size_t>(sorted[j].house)];
  }
  // The house holding 0 Aries stands at both ends of the list: its low
  // points move to the front. With every point in one house the turning
  // stops after twelve moves.
  for (int moves = 0; moves < AsciiPointCount - 1 && sorted[AsciiPointCount].house == sorted[1].house; ++moves)
    std::rotate(sorted.begin() + 1, sorted.end() - 1, sorted.end());

  std::vector<AsciiEntry> entries;
  int previousHouse = 0;
  int slot = 0;
  for (size_t j = AsciiPointCount; j >= 1; --j) {
    const int p = sorted[j].point;
    const int h = sorted[j].house;
    if (h < 1 || h > 12) continue;
    const int count = houseCount[static_cast<size_t>(h)];
    const bool dropped = count > AsciiSlotsPerHouse && (p == NorthNode || p == PartOfFortune);
    if (h != previousHouse)
      slot = 0;
    else if (!dropped)
      ++slot;
    previousHouse = h;
    if (dropped) continue;
    // a lone point the ring placed late in its house goes to the end of the house's main column
    const int placed = count == 1 && ringSlots[static_cast<size_t>(p)] >= 4 ? 4 : slot;
    entries.push_back({p, h, placed});
  }
  return entries;
}

std::vector<std::string> AsciiWheelRows(const ChartSet& chart, const CuspTable& cuspRing,
                                        const PointArray& ringSlots) {
  AsciiCanvas canvas;
  DrawFrame(canvas);
  LabelCusps(canvas, cuspRing);
  const AsciiLayout& layout = AsciiSlotLayout();
  for (const AsciiEntry& entry : PlaceAsciiPoints(chart, ringSlots)) {
    // Thirteen points in house 12, the Node and the Part of Fortune left
    // out, reach slot 11 at most: entry 89.
    const AsciiPlace at = layout[static_cast<size_t>(AsciiSlotsPerHouse * (entry.house - 1) + entry.slot + 1)];
    const SignDegMin split = SplitSignDegMin(chart.Long[static_cast<size_t>(entry.point)]);
    canvas.Put(at.row, at.column, PackedField(AsciiPlanetCodes, 2, entry.point));
    canvas.Put(at.row, at.column + 2, TwoDigits(split.degrees));
    canvas.Put(at.row, at.column + 4, PackedField(AsciiSignCodes, 3, split.sign));
  }
  return std::move(canvas).Rows();
}

TextWheelView TextWheelOf(const WheelSets& wheel) {
  return {wheel.Display2, wheel.CuspRing, wheel.Ring1PointWork, wheel.ChartTitle};
}

void DrawAsciiWheel(LineSink& sink, const TextWheelView& view) {
  for (int line = 1; line <= 7; ++line) sink.WriteLine("     " + view.caption[static_cast<size_t>(line)]);
  for (const std::string& row : AsciiWheelRows(view.chart, view.cuspRing, view.ringSlots)) sink.WriteLine(row);
}

void WriteTextChartWheel(LineSink& sink, const WheelSets& wheel, const ChartSet& natal) {
  sink.WriteBlankLine();
  DrawAsciiWheel(sink, TextWheelOf(wheel));
  DrawAsciiGrid(sink, natal);
}

void TextChartWheelPage(AppState& state) {
  StartNewPage(state);
  ReportBufferSink page(state);
  WriteTextChartWheel(page, state.wheel, state.chart.Natal);
}

}  // namespace halcyra
