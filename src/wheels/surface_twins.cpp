#include "wheels/surface_twins.h"

#include <cmath>
#include <map>

#include "platform/number_text.h"
#include "platform/qb_palette.h"

namespace halcyra {

namespace {

// The font sizes of the shipped option file, by option number.
const std::map<int, double>& ShippedFontSizes() {
  static const std::map<int, double> sizes = {
      {68, 8}, {69, 9}, {70, 10}, {71, 7}, {72, 12}, {73, 8}, {74, 9}, {75, 7}, {76, 7},
      {78, 9}, {79, 9}, {80, 10}, {81, 7}, {82, 11}, {83, 7}, {84, 8}, {85, 6}, {86, 7}, {174, 10}};
  return sizes;
}

constexpr double LargestFontSize = 400;

double Option(const OptionTables& options, int option) {
  return option >= 1 && option <= OptionCount ? options.OptionValues[static_cast<size_t>(option)] : 0;
}

LabelStyle Style(const OptionTables& options, int sizeOption, int colourOption) {
  return {WheelFontSize(options, sizeOption), WheelColour(options, colourOption)};
}

}  // namespace

double WheelFontSize(const OptionTables& options, int option) {
  const double size = Option(options, option);
  if (!(size > 0)) {
    const auto shipped = ShippedFontSizes().find(option);
    return shipped != ShippedFontSizes().end() ? shipped->second : 8;
  }
  return std::min(size, LargestFontSize);
}

unsigned WheelColour(const OptionTables& options, int option) {
  const double value = Option(options, option);
  // QBColor of a value outside the palette is black, as is a value that is no number.
  if (!(std::fabs(value) < 1e6)) return QBColorRgb(0);
  return QBColorRgb(static_cast<int>(RoundHalfEven(value)));
}

namespace {

// The option numbers of one surface's cells, sizes and colours, and its constants.
struct TwinOptionNumbers {
  bool printer;
  int signWidth, digitWidth, signHeight, digitHeight;
  int caption, cuspDegrees, cuspSign, cuspMinutes, glyph, degrees, sign, minutes, mark;  // sizes
  int colourOffset;  // each size's colour: window size + 20, printer size + 25
  int closeUpFrom, closeUpBy;
  double stepScale, radiusFactor, europeanTopBottomShift, europeanLeftShift;
  std::array<double, 5> europeanOffsets;
};
constexpr TwinOptionNumbers WindowOptions = {
    false, 60, 61, 62, 63, 68, 69, 70, 71, 72, 73, 74, 75, 76, 20, 193, 194, 480.0 / 640, 1, 23, 49, {-2, 6, 16, 33, 40}};
constexpr TwinOptionNumbers PrinterOptions = {
    true, 64, 65, 66, 67, 78, 79, 80, 81, 82, 83, 84, 85, 86, 25, 195, 196, 480.0 / 600, 0.9875, 21, 39, {-2, 5, 12, 26, 30}};

SurfaceTwin TwinOf(const OptionTables& options, const TwinOptionNumbers& n) {
  SurfaceTwin t;
  t.printer = n.printer;
  t.signCellWidthOffset = Option(options, n.signWidth);
  t.digitCellWidthOffset = Option(options, n.digitWidth);
  t.signCellHeightOffset = Option(options, n.signHeight);
  t.digitCellHeightOffset = Option(options, n.digitHeight);
  const auto style = [&](int size) { return Style(options, size, size + n.colourOffset); };
  t.caption = style(n.caption);
  t.cuspDegrees = style(n.cuspDegrees);
  t.cuspSign = style(n.cuspSign);
  t.cuspMinutes = style(n.cuspMinutes);
  t.glyph = style(n.glyph);
  t.degrees = style(n.degrees);
  t.sign = style(n.sign);
  t.minutes = style(n.minutes);
  t.mark = style(n.mark);
  t.minutesOption = Option(options, n.minutes);
  t.closeUpFrom = Option(options, n.closeUpFrom);
  t.closeUpBy = Option(options, n.closeUpBy);
  t.stepScale = n.stepScale;
  t.radiusFactor = n.radiusFactor;
  t.europeanTopBottomShift = n.europeanTopBottomShift;
  t.europeanLeftShift = n.europeanLeftShift;
  t.europeanOffsets = n.europeanOffsets;
  return t;
}

}  // namespace

SurfaceTwin WindowTwin(const OptionTables& options) { return TwinOf(options, WindowOptions); }

SurfaceTwin PrinterTwin(const OptionTables& options) {
  SurfaceTwin t = TwinOf(options, PrinterOptions);
  t.captionBelowTop = Option(options, 243);
  t.innerCaptionLines = Option(options, 191);
  t.footerWanted = Option(options, 174) != 0;
  t.footer = Style(options, 174, 176);
  t.footerFromRight = Option(options, 177);
  t.footerBelowTop = Option(options, 244);
  return t;
}

}  // namespace halcyra
