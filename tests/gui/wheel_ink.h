#pragma once
// Where the wheel's texts leave ink: each text drawn alone at the size of
// a real rendering, so tests can find texts whose strokes touch each other
// or the frame's lines. A box around a text is not enough: the label
// columns step diagonally, and boxes of neighbours overlap where the ink
// does not.
#include <QImage>
#include <QRect>
#include <string>
#include <vector>

#include "state/app_state.h"
#include "wheels/wheel_items.h"

namespace halcyra::testing {

struct TextInk {
  TextItem item;
  QRect bounds;  // device pixels holding ink
  QImage mask;   // alpha of the text over `bounds`
};

struct InkPicture {
  std::vector<TextInk> texts;
  std::vector<WheelItem> items;  // everything drawn, in order
  double pixelsPerUnit = 1;
  QPointF centre;                // the wheel's centre, device pixels
};

// Draws the state's wheel sets as the window (or the printer) draws them,
// at `pixelsPerUnit`, and finds every text's ink.
InkPicture WheelInk(AppState& state, bool printer, double pixelsPerUnit = 3);

// Pairs of texts whose ink shares pixels, as "<text> at (x, y) / <text> at (x, y)".
std::vector<std::string> InkOverlaps(const InkPicture& picture);
// Texts whose ink lies on one of the frame's circles or (unless left out) its lines.
std::vector<std::string> InkOnFrame(const InkPicture& picture, bool lines = true);

}  // namespace halcyra::testing
