#pragma once
// The window and the printer draw the wheel with one geometry but their own
// option numbers for every font size, colour and cell offset, and a few
// constants of their own. A twin gathers one surface's values, read once per
// paint from the option table.
#include <array>

#include "state/option_tables.h"

namespace halcyra {

struct LabelStyle {
  double size = 8;      // points
  unsigned colour = 0;  // 0xRRGGBB
};

struct SurfaceTwin {
  bool printer = false;

  // Added to the measured cells of the label column (whole units).
  double signCellWidthOffset = 0, signCellHeightOffset = 0;    // 60, 62 / 64, 66
  double digitCellWidthOffset = 0, digitCellHeightOffset = 0;  // 61, 63 / 65, 67

  LabelStyle caption;                                  // 68, 88 / 78, 103
  LabelStyle cuspDegrees, cuspSign, cuspMinutes;        // 69..71, 89..91 / 79..81, 104..106
  LabelStyle glyph, degrees, sign, minutes, mark;       // 72..76, 92..96 / 82..86, 107..111

  double stepScale = 480.0 / 640;  // vertical part of one step of a label column
  double radiusFactor = 1;         // glyph radius of the planet rings

  // The close-up of label lines: from minutes size `closeUpFrom` on, the
  // digit cell height shrinks by `closeUpBy` (the printer only near the right).
  double minutesOption = 7, closeUpFrom = 12, closeUpBy = 2;

  // Cusp labels that follow their cusps: the x corrections near the top and
  // bottom and on the left half, and the five items' offsets on their line.
  double europeanTopBottomShift = 23, europeanLeftShift = 49;
  std::array<double, 5> europeanOffsets = {-2, 6, 16, 33, 40};

  // Printer only: captions below the top edge, inner-chart caption lines
  // above the bottom edge (less 3), and the PERSONAL.NAM footer.
  double captionBelowTop = 0, innerCaptionLines = 8;
  LabelStyle footer;
  bool footerWanted = false;
  double footerFromRight = 20, footerBelowTop = 10;
};

// A font size option of 0 or less (or not a number) stands for the size the
// program ships with for that option; absurd sizes are held at 400 points.
double WheelFontSize(const OptionTables& options, int option);
// The palette colour an option names, rounded to a whole number.
unsigned WheelColour(const OptionTables& options, int option);

SurfaceTwin WindowTwin(const OptionTables& options);
SurfaceTwin PrinterTwin(const OptionTables& options);
inline SurfaceTwin TwinFor(const OptionTables& options, bool printer) {
  return printer ? PrinterTwin(options) : WindowTwin(options);
}

}  // namespace halcyra
