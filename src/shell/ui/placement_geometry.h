#pragma once
// The arithmetic of rectangles that the window placement shares between
// fitting a frame (window_placement.cpp) and finding a free place for it
// (free_place.cpp).
#include <QRect>
#include <vector>

#include "shell/ui/window_placement.h"

namespace halcyra {

// `at` moved so that `size` lies inside `area`; its top left corner when larger.
QPoint InsideArea(QPoint at, QSize size, const QRect& area);

long long AreaOf(QSize size);

bool CoversAny(const QRect& place, const std::vector<QRect>& rects);

// The screen's rows a window may take without hiding the main window's
// frame: below it and above it, a gap away (either may be empty).
struct Rooms {
  QRect below, above;
};

Rooms RoomsBeside(const QRect& mainFrame, const QRect& screen);

// The request's frame made small enough for `room`, but not below its
// minimum client, nor to an empty client.
QSize FittedSize(const FrameRequest& request, QSize room);

}  // namespace halcyra
