#pragma once
// The VoruvEdud zodiac strip as plain geometry: the baseline from 0 to 360
// degrees with its ticks, the sign glyphs, the house numbers above the line,
// the natal points Sun to Chiron stacked in rows below it, and the header.
// Every position and size is in twips from the top left of the window's
// drawing area; the window measures its fonts, asks for the layout and
// draws what it gets.
#include <array>
#include <string>
#include <variant>
#include <vector>

#include "state/chart_set.h"
#include "state/option_tables.h"
#include "wheels/glyph_codes.h"

namespace halcyra {

// The strip shows points 1 (Sun) to 13 (Chiron).
inline constexpr int StripPointCount = 13;

// A font of the strip: point size and weight, from the options.
struct StripFont {
  double size = 1;
  bool bold = false;
  bool operator==(const StripFont&) const = default;
};

struct StripFonts {
  StripFont header, houseNumber, signGlyph, directPoint, retrogradePoint;
};
StripFonts StripFontsFromOptions(const OptionTables& options);

// What the window measures in the fonts above, in twips.
struct StripMetrics {
  double digitWidth = 0, digitHeight = 0;  // "0" in the direct-point font
  double signGlyphWidth = 0;               // a sign glyph in the sign font
  double signLineHeight = 0;               // a line of the sign font; also one row of points
  double overlapWidth = 0;                 // the Sun's glyph in the sign font: nearer points collide
  double houseDigitWidth = 0;              // a digit in the house-number font
};

struct StripLine {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int colour = 0;  // palette entry 0..15
};

// Text with its top-left corner at (left, top). `glyph` is a glyph code of
// the program's font, drawn instead of `text` when it is not 0.
struct StripText {
  std::string text;
  int glyph = 0;
  double left = 0, top = 0;
  StripFont font;
  int colour = 0;
};

using StripMark = std::variant<StripLine, StripText>;

struct StripLayout {
  double height = 0;    // the window's height the strip needs
  double baseline = 0;  // y of the line
  int background = 15;  // palette entry
  std::array<int, StripPointCount + 1> rows{};  // row of each point, 1 right below the line
  std::vector<StripMark> marks;                 // in drawing order, later over earlier
};

// The rows of points 1..13 at strip positions x[1..13] (twips along the
// strip), in passes r = 1, 2, ...: in pass r each point still in row r, in
// index order, keeps it and sends every later unplaced point within
// `overlap` of it to row r + 1; a point sent down in this pass pushes
// nobody until the next. Positions are compared along the strip, not
// round the circle, so 359 and 1 degrees never collide.
std::array<int, StripPointCount + 1> StackStripRows(const std::array<double, StripPointCount + 1>& x,
                                                    double overlap);

// The window's height for a strip whose lowest point stands in `maxRow`.
double StripHeight(const StripMetrics& metrics, int maxRow);

// The strip of a chart: its longitudes, cusps and retrograde flags, with
// `header` on top, for a window `width` twips wide.
StripLayout LayOutStrip(const ChartSet& chart, const std::string& header, const OptionTables& options,
                        const StripMetrics& metrics, double width);

// The header line: the chart name and " - natal", the date "dd mmm yyyy",
// the clock time, A.M./P.M. and zone, longitude, latitude and sidereal
// time, five blanks apart. The date text is read in `dateFormat` order; a
// chart not yet computed has no date.
std::string StripHeaderText(const std::string& chartName, const ChartSet& chart, int dateFormat);

}  // namespace halcyra
