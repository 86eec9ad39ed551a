#pragma once
// Bevelled frames drawn round a rectangle, such as the sunken border round
// the caption labels of the input windows.
#include <vector>

class QPainter;
class QWidget;

namespace halcyra {

// All in twips, the units of the window drawn on; colours are 0xRRGGBB.
struct BevelFrameSpec {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int ThicknessX = 0, ThicknessY = 0;
  unsigned TopLeftColour = 0, BottomRightColour = 0;
};

struct BevelLine {
  int x1, y1, x2, y2;  // twips
  unsigned colour;
  bool operator==(const BevelLine&) const = default;
};

// The lines of the frame, one per pixel of thickness, just outside the
// rectangle: left and right edges first, then top and bottom. A thickness
// below one pixel counts as one pixel.
std::vector<BevelLine> BevelFrameLines(const BevelFrameSpec& frame, int twipsPerPixelX,
                                       int twipsPerPixelY);

// Draws the frame with a painter open on the window.
void DrawBevelFrame(QPainter& painter, const BevelFrameSpec& frame);

// One pixel of grey above and left of the control, white below and right.
BevelFrameSpec SunkenBorderSpec(int left, int top, int width, int height);
void DrawSunkenBorder(QPainter& painter, const QWidget& control);

}  // namespace halcyra
