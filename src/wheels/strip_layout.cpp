#include "wheels/strip_layout.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "platform/number_format.h"
#include "platform/number_text.h"

namespace halcyra {

namespace {

// Option numbers of the strip.
enum StripOption : int {
  HeaderSize = 141, HouseNumberSize, DirectPointSize, RetrogradePointSize,
  HeaderColour, HouseNumberColour, DirectPointColour, RetrogradePointColour,
  BackgroundColour, BaselineColour, TenDegreeColour, FiveDegreeColour,
  SignGlyphSize, SignGlyphColour, HouseNumbersBold, SignGlyphsBold, PointGlyphsBold
};

// Fixed distances of the drawing, twips.
constexpr double BaselineLift = 500;      // the line sits this much above the window's middle, doubled
constexpr double FiveDegreeTick = 40;     // half lengths of the ticks
constexpr double TenDegreeTick = 60;
constexpr double ThirtyDegreeTick = 120;  // also the gap from the line to the first row of points
constexpr double HouseNumberGap = 90;     // from the bottom of the house numbers to the line
constexpr double HeaderLeft = 10;

float Option(const OptionTables& options, int number) { return options.OptionValues[number]; }

int Colour(const OptionTables& options, int number) { return static_cast<int>(Option(options, number)); }

StripFont Font(const OptionTables& options, int sizeOption, int boldOption) {
  // A size of 0 would ask the window system for no font at all.
  return {std::max(static_cast<double>(Option(options, sizeOption)), 1.0),
          boldOption != 0 && Option(options, boldOption) != 0};
}

std::string PlainNumber(double value) {
  std::string text = StrNumber(value, 7);
  if (!text.empty() && text.front() == ' ') text.erase(0, 1);
  return text;
}

// "dd mmm yyyy" of a date text such as "7/14/1975" in dateFormat order; ""
// when the text holds no date.
std::string DateOfText(const std::string& dateText, int dateFormat) {
  std::istringstream in(dateText);
  int first = 0, second = 0, third = 0;
  char slash1 = 0, slash2 = 0;
  if (!(in >> first >> slash1 >> second >> slash2 >> third) || slash1 != '/' || slash2 != '/') return "";
  switch (dateFormat) {
    case 1: return FormatDateDdMmmYyyy(first, second, third);
    case 2: return FormatDateDdMmmYyyy(third, second, first);
    default: return FormatDateDdMmmYyyy(second, first, third);
  }
}

}  // namespace

StripFonts StripFontsFromOptions(const OptionTables& options) {
  return {Font(options, HeaderSize, 0), Font(options, HouseNumberSize, HouseNumbersBold),
          Font(options, SignGlyphSize, SignGlyphsBold), Font(options, DirectPointSize, PointGlyphsBold),
          Font(options, RetrogradePointSize, PointGlyphsBold)};
}

std::array<int, StripPointCount + 1> StackStripRows(const std::array<double, StripPointCount + 1>& x,
                                                    double overlap) {
  std::array<int, StripPointCount + 1> row{};
  std::array<bool, StripPointCount + 1> fixed{};
  row.fill(1);
  // The first unplaced point of a pass always keeps its row, so each pass
  // places at least one point.
  for (int r = 1; r <= StripPointCount; ++r) {
    for (int i = 1; i <= StripPointCount; ++i) {
      if (fixed[i] || row[i] != r) continue;
      for (int j = i + 1; j <= StripPointCount; ++j)
        if (!fixed[j] && std::abs(x[j] - x[i]) <= overlap) row[j] = r + 1;
      fixed[i] = true;
    }
  }
  return row;
}

double StripHeight(const StripMetrics& m, int maxRow) {
  return 7 * m.digitHeight + maxRow * m.signLineHeight - ThirtyDegreeTick;
}

StripLayout LayOutStrip(const ChartSet& chart, const std::string& header, const OptionTables& options,
                        const StripMetrics& m, double width) {
  const StripFonts fonts = StripFontsFromOptions(options);
  StripLayout layout;
  layout.background = Colour(options, BackgroundColour);

  const double left = m.digitWidth;
  const double right = width - 2 * m.digitWidth;
  const double span = right - left;
  const double y0 = (7 * m.digitHeight - BaselineLift) / 2;
  layout.baseline = y0;
  auto& marks = layout.marks;

  marks.push_back(StripLine{left, y0, right, y0, Colour(options, BaselineColour)});
  // Whole-number steps, so the ticks at 360 degrees are always drawn.
  for (int k = 0; k <= 72; ++k) {
    const double x = left + k * span / 72;
    marks.push_back(StripLine{x, y0 - FiveDegreeTick, x, y0 + FiveDegreeTick, Colour(options, FiveDegreeColour)});
  }
  for (int k = 0; k <= 36; ++k) {
    const double x = left + k * span / 36;
    marks.push_back(StripLine{x, y0 - TenDegreeTick, x, y0 + TenDegreeTick, Colour(options, TenDegreeColour)});
  }
  // Each sign's glyph sits on the tick at its start; the tick at 360 has none.
  for (int k = 0; k <= 12; ++k) {
    const double x = left + k * span / 12;
    if (k < 12)
      marks.push_back(StripText{"", SignGlyphBase + k + 1, x - m.signGlyphWidth / 2, y0 - m.signLineHeight / 3,
                                fonts.signGlyph, Colour(options, SignGlyphColour)});
    marks.push_back(StripLine{x, y0 - ThirtyDegreeTick, x, y0 + ThirtyDegreeTick, Colour(options, BaselineColour)});
  }

  std::array<double, StripPointCount + 1> x{};
  for (int i = 1; i <= StripPointCount; ++i) x[i] = span * chart.Long[i] / 360;
  layout.rows = StackStripRows(x, m.overlapWidth);
  const int maxRow = *std::max_element(layout.rows.begin() + 1, layout.rows.end());
  layout.height = StripHeight(m, maxRow);

  // Every row is one line of the sign font apart, the pitch the height
  // allows for, whatever size a retrograde point is drawn in.
  for (int i = 1; i <= StripPointCount; ++i) {
    const bool retrograde = chart.Retrograde(i);
    marks.push_back(StripText{"", PointGlyphBase + i, x[i],
                              y0 + ThirtyDegreeTick + (layout.rows[i] - 1) * m.signLineHeight,
                              retrograde ? fonts.retrogradePoint : fonts.directPoint,
                              Colour(options, retrograde ? RetrogradePointColour : DirectPointColour)});
  }

  // House numbers centred on their cusps' ticks: cusp entries 4..12 are
  // houses 1..9, entries 1..3 houses 10..12.
  const double numberTop = y0 - HouseNumberGap - m.digitHeight;
  const int houseColour = Colour(options, HouseNumberColour);
  for (int entry = 1; entry <= 12; ++entry) {
    const double cuspX = span * chart.Cusp[entry] / 360;
    const int house = HouseOfCuspEntry(entry);
    if (house < 10) {
      marks.push_back(StripText{std::to_string(house), 0, cuspX + m.digitWidth / 2, numberTop,
                                fonts.houseNumber, houseColour});
    } else {
      marks.push_back(StripText{"1", 0, cuspX, numberTop, fonts.houseNumber, houseColour});
      marks.push_back(StripText{std::to_string(house - 10), 0, cuspX + m.houseDigitWidth, numberTop,
                                fonts.houseNumber, houseColour});
    }
  }

  marks.push_back(StripText{header, 0, HeaderLeft, 0, fonts.header, Colour(options, HeaderColour)});
  return layout;
}

std::string StripHeaderText(const std::string& chartName, const ChartSet& chart, int dateFormat) {
  const std::string gap = "     ";
  return chartName + " - natal" + gap + DateOfText(chart.DateText, dateFormat) + gap +
         FormatNumber(chart.ClockTime, "#0.00") + " " + chart.AmPm + " (" + PlainNumber(chart.Zone) + ")" + gap +
         FormatNumber(chart.Where.LongitudeDM().Dot(), "##0.00") + " " + chart.Where.EWText() + gap +
         FormatNumber(chart.Where.LatitudeDM().Dot(), "#0.00") + " " + chart.Where.NSText() + gap + chart.SiderealText;
}

}  // namespace halcyra
