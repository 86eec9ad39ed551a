#pragma once
// What a chart wheel is drawn of, and the surface that draws it. Positions
// are wheel units: the origin at the wheel's centre, y growing upwards,
// angles in degrees counter-clockwise from the right. A text stands at its
// top-left corner and is written in the program's glyph font; font sizes
// are points, which each surface turns into its own units.
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace halcyra {

inline constexpr const char* WheelFontFace = "Orvane";

// A text of the glyph font: plain Latin-1 characters, or glyph codes (code n
// is the font's character U+F000 + n).
struct WheelText {
  std::string text;
  bool glyphCodes = false;

  static WheelText Plain(std::string text) { return {std::move(text), false}; }
  static WheelText Glyph(int code) { return {std::string(1, static_cast<char>(code)), true}; }
  // "<g236>" for glyph codes, the text itself otherwise: for logs and tests.
  std::string Describe() const;
  bool operator==(const WheelText&) const = default;
};

struct FontSpec {
  double size = 8;  // points
  bool bold = false;
  std::string face = WheelFontFace;
  bool operator==(const FontSpec&) const = default;
};

struct TextItem {
  double x = 0, y = 0;  // top-left corner
  WheelText text;
  FontSpec font;
  unsigned colour = 0;  // 0xRRGGBB
};

struct LineItem {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  unsigned colour = 0;
  double width = 1;  // wheel units
};

struct CircleItem {
  double x = 0, y = 0, radius = 0;
  unsigned colour = 0;
  double width = 1;
  std::optional<unsigned> fill;  // the disc's colour; none leaves it clear
};

using WheelItem = std::variant<TextItem, LineItem, CircleItem>;

// The rectangle of the wheel plane a surface shows, as the scale properties
// of a drawing surface give it: left and top edges, the width, and the
// height (negative, since y grows upwards).
struct WheelArea {
  double ScaleLeft = 0, ScaleTop = 0, ScaleWidth = 0, ScaleHeight = 0;
};

// Text measures in wheel units.
class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  virtual double TextWidth(const WheelText& text, const FontSpec& font) const = 0;
  // One line's height (for one line of text it does not depend on the text).
  virtual double TextHeight(const FontSpec& font) const = 0;
};

// The window, an image, the printer, or a recording for tests.
class DrawingSurface : public TextMetrics {
 public:
  virtual WheelArea Area() const = 0;
  virtual void Draw(const WheelItem& item) = 0;
};

}  // namespace halcyra
