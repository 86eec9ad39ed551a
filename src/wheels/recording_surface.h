#pragma once
// A drawing surface that keeps what is drawn on it instead of showing it,
// with plain fixed text measures, so that a wheel's every text and line can
// be checked without a screen or a font.
#include <string>
#include <vector>

#include "wheels/wheel_items.h"

namespace halcyra {

class RecordingSurface : public DrawingSurface {
 public:
  // Measures: a plain character is 0.6 of the font size wide, a glyph code
  // one font size; a line is 1.2 font sizes high. The default area is a
  // window 4 by 3, its height spanning +-287 units.
  explicit RecordingSurface(WheelArea area = {-382.67, 287, 765.33, -574});

  WheelArea Area() const override { return area_; }
  double TextWidth(const WheelText& text, const FontSpec& font) const override;
  double TextHeight(const FontSpec& font) const override;
  void Draw(const WheelItem& item) override { items.push_back(item); }

  std::vector<TextItem> Texts() const;
  std::vector<LineItem> Lines() const;
  std::vector<CircleItem> Circles() const;
  // Every item as one line: "text <g224> at (x, y) Orvane 14 bold #0000ff".
  std::vector<std::string> Log() const;

  std::vector<WheelItem> items;

 private:
  WheelArea area_;
};

}  // namespace halcyra
