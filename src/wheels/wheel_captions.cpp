#include "wheels/wheel_captions.h"

#include <cmath>

namespace halcyra {

namespace {

// Prints lines one under the other from a left edge, as a surface's current
// text position moves on each ended line.
class CaptionPen {
 public:
  CaptionPen(const FontSpec& font, unsigned colour, const TextMetrics& metrics, std::vector<TextItem>& out)
      : font_(font), colour_(colour), metrics_(metrics), out_(out) {}
  void MoveTo(double x, double y) { x_ = x, y_ = y; }
  void PrintLine(const std::string& line) {
    if (!line.empty()) out_.push_back({x_, y_, WheelText::Plain(line), font_, colour_});
    y_ -= LineHeight();
  }
  double LineHeight() const { return std::fabs(metrics_.TextHeight(font_)); }

 private:
  FontSpec font_;
  unsigned colour_;
  const TextMetrics& metrics_;
  std::vector<TextItem>& out_;
  double x_ = 0, y_ = 0;
};

}  // namespace

std::vector<TextItem> WheelCaptions(const CaptionBlock& chartTitle, const CaptionBlock& chartTitle2, int wheelKind,
                                    const WheelArea& area, const SurfaceTwin& twin, const TextMetrics& metrics,
                                    const std::optional<std::vector<std::string>>& footerLines) {
  std::vector<TextItem> items;
  CaptionPen pen(FontSpec{twin.caption.size, false}, twin.caption.colour, metrics, items);
  const double left = area.ScaleLeft + (twin.printer ? 30 : 10);

  pen.MoveTo(left, area.ScaleTop - (twin.printer ? twin.captionBelowTop : 0));
  for (int line = 1; line <= 7; ++line) pen.PrintLine(chartTitle[static_cast<size_t>(line)]);

  if (wheelKind > 1) {
    const double linesUp = twin.printer ? twin.innerCaptionLines + 3 : 11;
    pen.MoveTo(left, area.ScaleHeight / 2 + linesUp * pen.LineHeight());
    pen.PrintLine(InnerChartHeading);
    pen.PrintLine("");
    for (int line = 1; line <= 7; ++line) pen.PrintLine(chartTitle2[static_cast<size_t>(line)]);
  }

  if (twin.printer && twin.footerWanted && footerLines) {
    const FontSpec font{twin.footer.size, false};
    CaptionPen footer(font, twin.footer.colour, metrics, items);
    double y = area.ScaleTop - twin.footerBelowTop;
    for (const std::string& line : *footerLines) {
      // right-aligned, option 177 units left of the page's right edge
      footer.MoveTo(area.ScaleWidth / 2 - twin.footerFromRight - metrics.TextWidth(WheelText::Plain(line), font), y);
      footer.PrintLine(line);
      y -= footer.LineHeight();
    }
  }
  return items;
}

}  // namespace halcyra
