#include "shell/ui/bevel_frame.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "platform/gui/twips.h"

namespace halcyra {

std::vector<BevelLine> BevelFrameLines(const BevelFrameSpec& frame, int twipsPerPixelX,
                                       int twipsPerPixelY) {
  std::vector<BevelLine> lines;
  if (twipsPerPixelX <= 0 || twipsPerPixelY <= 0) return lines;
  const int thicknessX = std::max(frame.ThicknessX, twipsPerPixelX);
  const int thicknessY = std::max(frame.ThicknessY, twipsPerPixelY);
  for (int i = twipsPerPixelX; i <= thicknessX; i += twipsPerPixelX) {
    lines.push_back({frame.Left - i, frame.Top - i, frame.Left - i, frame.Bottom + i, frame.TopLeftColour});
    lines.push_back({frame.Right + i, frame.Top - i, frame.Right + i, frame.Bottom + i, frame.BottomRightColour});
  }
  for (int j = twipsPerPixelY; j <= thicknessY; j += twipsPerPixelY) {
    lines.push_back({frame.Left - j, frame.Top - j, frame.Right + j, frame.Top - j, frame.TopLeftColour});
    lines.push_back({frame.Left - j, frame.Bottom + j, frame.Right + j, frame.Bottom + j, frame.BottomRightColour});
  }
  return lines;
}

void DrawBevelFrame(QPainter& painter, const BevelFrameSpec& frame) {
  const int tx = TwipsPerPixelX();
  const int ty = TwipsPerPixelY();
  painter.save();
  for (const BevelLine& line : BevelFrameLines(frame, tx, ty)) {
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
