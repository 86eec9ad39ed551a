#include "shell/ui/window_placement.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

#include "shell/ui/placement_geometry.h"

namespace halcyra {

namespace {

// The screen's columns left and right of the main window's frame, a gap
// away, as tall as the screen (either may be empty).
std::array<QRect, 2> ColumnsBeside(const QRect& mainFrame, const QRect& screen) {
  QRect left = screen, right = screen;
  left.setRight(std::min(screen.right(), mainFrame.left() - 1 - WindowGap));
  right.setLeft(std::max(screen.left(), mainFrame.right() + 1 + WindowGap));
  return {left, right};
}

// A frame that neither room holds even at its smallest: whole or made
// smaller in a column beside the main window when one holds it; else at its
// smallest (for the larger room) where it hides least of the main window's
// menu items, then covers no kept window, then least of the main window's
// frame, nearest the place it was put. A menu item partly hidden still
// shows, and takes a click, in the rest of it.
QRect BesideOrOverMainWindow(const FrameRequest& request, const QRect& screen, const QRect& mainFrame,
                             const std::vector<QRect>& menuItems, const std::vector<QRect>& kept,
                             QSize largerRoom) {
  const QPoint at = request.frame.topLeft();
  std::optional<QRect> beside;
  for (const QRect& column : ColumnsBeside(mainFrame, screen)) {
    if (column.isEmpty()) continue;
    const QSize size = FittedSize(request, column.size());
    if (size.width() > column.width() || size.height() > column.height()) continue;
    if (!beside || AreaOf(size) > AreaOf(beside->size())) beside = QRect(InsideArea(at, size, column), size);
  }
  if (beside) return *beside;
  const QSize size = FittedSize(request, largerRoom);
  const QRect wanted(InsideArea(at, size, screen), size);
  // Flush with the screen's edges, and just clear of each item on either side.
  std::vector<int> columns{wanted.x(), screen.left(), screen.right() + 1 - size.width()};
  std::vector<int> rows{wanted.y(), screen.top(), screen.bottom() + 1 - size.height()};
  for (const QRect& item : menuItems) {
    columns.insert(columns.end(), {item.left() - size.width(), item.right() + 1});
    rows.insert(rows.end(), {item.top() - size.height(), item.bottom() + 1});
  }
  const auto cost = [&](const QRect& place) {
    const QPoint shift = place.topLeft() - wanted.topLeft();
    return std::tuple(OverlapArea(place, menuItems), CoversAny(place, kept),
                      AreaOf(place.intersected(mainFrame).size()), shift.manhattanLength());
  };
  QRect best = wanted;
  auto least = cost(best);
  for (const int y : rows)
    for (const int x : columns) {
      const QRect place(InsideArea(QPoint(x, y), size, screen), size);
      if (const auto c = cost(place); c < least) best = place, least = c;
    }
  return best;
}

}  // namespace

QRect FitFrame(const FrameRequest& request, const QRect& screen, const QRect& mainFrame,
               const std::vector<QRect>& menuItems, const std::vector<QRect>& kept) {
  const QPoint at = request.frame.topLeft();
  if (mainFrame.isEmpty()) {
    const QSize size = FittedSize(request, screen.size());
    return {InsideArea(at, size, screen), size};
  }
  // The room the request stands in comes first; above the main window only
  // when it stands there.
  const Rooms rooms = RoomsBeside(mainFrame, screen);
  const std::array order = at.y() < mainFrame.top() ? std::array{rooms.above, rooms.below}
                                                     : std::array{rooms.below, rooms.above};
  std::optional<QRect> best;  // where it keeps most of its size
  std::optional<QSize> tallest;  // the larger room
  for (const QRect& room : order) {
    if (room.isEmpty()) continue;
    if (!tallest || room.height() > tallest->height()) tallest = room.size();
    const QSize size = FittedSize(request, room.size());
    if (size.height() > room.height()) continue;
    const QRect place(InsideArea(at, size, room), size);
    if (size == request.frame.size()) return place;
    if (!best || AreaOf(size) > AreaOf(best->size())) best = place;
  }
  if (best) return *best;
  return BesideOrOverMainWindow(request, screen, mainFrame, menuItems, kept, tallest.value_or(screen.size()));
}

QRect MainWindowFrame(const FrameRequest& request, const QRect& screen) {
  if (screen.contains(request.frame)) return request.frame;
  FrameRequest home = request;
  home.frame.moveTopLeft(screen.topLeft());
  return FitFrame(home, screen, QRect());
}

}  // namespace halcyra
