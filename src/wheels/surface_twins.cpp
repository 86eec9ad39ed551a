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

SurfaceTwin WindowTwin(const OptionTables& options) {
  SurfaceTwin t;
  t.printer = false;
  t.signCellWidthOffset = Option(options, 60);
  t.digitCellWidthOffset = Option(options, 61);
  t.signCellHeightOffset = Option(options, 62);
  t.digitCellHeightOffset = Option(options, 63);
  t.caption = Style(options, 68, 88);
  t.cuspDegrees = Style(options, 69, 89);
  t.cuspSign = Style(options, 70, 90);
  t.cuspMinutes = Style(options, 71, 91);
  t.glyph = Style(options, 72, 92);
  t.degrees = Style(options, 73, 93);
  t.sign = Style(options, 74, 94);
  t.minutes = Style(options, 75, 95);
  t.mark = Style(options, 76, 96);
  t.stepScale = 480.0 / 640;
  t.radiusFactor = 1;
  t.minutesOption = Option(options, 75);
  t.closeUpFrom = Option(options, 193);
  t.closeUpBy = Option(options, 194);
  t.europeanTopBottomShift = 23;
  t.europeanLeftShift = 49;
  t.europeanOffsets = {-2, 6, 16, 33, 40};
  return t;
}

SurfaceTwin PrinterTwin(const OptionTables& options) {
  SurfaceTwin t;
  t.printer = true;
  t.signCellWidthOffset = Option(options, 64);
  t.digitCellWidthOffset = Option(options, 65);
  t.signCellHeightOffset = Option(options, 66);
  t.digitCellHeightOffset = Option(options, 67);
  t.caption = Style(options, 78, 103);
  t.cuspDegrees = Style(options, 79, 104);
  t.cuspSign = Style(options, 80, 105);
  t.cuspMinutes = Style(options, 81, 106);
  t.glyph = Style(options, 82, 107);
  t.degrees = Style(options, 83, 108);
  t.sign = Style(options, 84, 109);
  t.minutes = Style(options, 85, 110);
  t.mark = Style(options, 86, 111);
  t.stepScale = 480.0 / 600;
  t.radiusFactor = 0.9875;
  t.minutesOption = Option(options, 85);
  t.closeUpFrom = Option(options, 195);
  t.closeUpBy = Option(options, 196);
  t.europeanTopBottomShift = 21;
  t.europeanLeftShift = 39;
  t.europeanOffsets = {-2, 5, 12, 26, 30};
  t.captionBelowTop = Option(options, 243);
  t.innerCaptionLines = Option(options, 191);
  t.footerWanted = Option(options, 174) != 0;
  t.footer = Style(options, 174, 176);
  t.footerFromRight = Option(options, 177);
  t.footerBelowTop = Option(options, 244);
  return t;
}

}  // namespace halcyra
