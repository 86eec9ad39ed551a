#include "shell/ui/bevel_frame.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "platform/gui/twips.h"

namespace halcyra {

std::vector<BevelLine> BevelFrameLines(const BevelFrameSpec& spec, int twipsPerPixelX,
                                       int twipsPerPixelY) {
  std::vector<BevelLine> lines;
  if (twipsPerPixelX <= 0 || twipsPerPixelY <= 0) return lines;
  const int thicknessX = std::max(spec.ThicknessX, twipsPerPixelX);
  const int thicknessY = std::max(spec.ThicknessY, twipsPerPixelY);
  for (int i = twipsPerPixelX; i <= thicknessX; i += twipsPerPixelX) {
    lines.push_back({spec.Left - i, spec.Top - i, spec.Left - i, spec.Bottom + i, spec.TopLeftColour});
    lines.push_back({spec.Right + i, spec.Top - i, spec.Right + i, spec.Bottom + i, spec.BottomRightColour});
  }
  for (int j = twipsPerPixelY; j <= thicknessY; j += twipsPerPixelY) {
    lines.push_back({spec.Left - j, spec.Top - j, spec.Right + j, spec.Top - j, spec.TopLeftColour});
    lines.push_back({spec.Left - j, spec.Bottom + j, spec.Right + j, spec.Bottom + j, spec.BottomRightColour});
  }
  return lines;
}

void DrawBevelFrame(QPainter& painter, const BevelFrameSpec& spec) {
  const int tx = TwipsPerPixelX();
  const int ty = TwipsPerPixelY();
  painter.save();
  for (const BevelLine& line : BevelFrameLines(spec, tx, ty)) {
    painter.setPen(QPen(QColor::fromRgb(line.colour), 0));
    painter.drawLine(line.x1 / tx, line.y1 / ty, line.x2 / tx, line.y2 / ty);
  }
  painter.restore();
}

BevelFrameSpec SunkenBorderSpec(int left, int top, int width, int height) {
  return {left, top, left + width, top + height, 15, 15, 0x808080, 0xFFFFFF};
}

void DrawSunkenBorder(QPainter& painter, const QWidget& control) {
  const QRect g = control.geometry();
  DrawBevelFrame(painter, SunkenBorderSpec(static_cast<int>(TwipsFromPixelsX(g.x())),
                                           static_cast<int>(TwipsFromPixelsY(g.y())),
                                           static_cast<int>(TwipsFromPixelsX(g.width())),
                                           static_cast<int>(TwipsFromPixelsY(g.height()))));
}

}  // namespace halcyra
