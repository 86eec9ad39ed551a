#include "shell/ui/window_placement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <tuple>

namespace halcyra {

namespace {

// `at` moved so that `size` lies inside `area`; its top left corner when larger.
QPoint InsideArea(QPoint at, QSize size, const QRect& area) {
  at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - size.width())));
  at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - size.height())));
  return at;
}

long long AreaOf(QSize size) {
  return size.isEmpty() ? 0 : static_cast<long long>(size.width()) * size.height();
}

// The screen's rows a window may take without hiding the main window's
// frame: below it and above it, a gap away (either may be empty).
struct Rooms {
  QRect below, above;
};

Rooms RoomsBeside(const QRect& mainFrame, const QRect& screen) {
  QRect below = screen, above = screen;
  below.setTop(std::max(screen.top(), mainFrame.bottom() + 1 + WindowGap));
  above.setBottom(std::min(screen.bottom(), mainFrame.top() - 1 - WindowGap));
  return {below, above};
}

// The room whose rows hold `y`; none on the main window's rows.
std::optional<QRect> RoomAt(int y, const Rooms& rooms) {
  for (const QRect& room : {rooms.below, rooms.above})
    if (!room.isEmpty() && y >= room.top() && y <= room.bottom()) return room;
  return std::nullopt;
}

// The request's frame made small enough for `room`, but not below its
// minimum client, nor to an empty client.
QSize FittedSize(const FrameRequest& request, QSize room) {
  const QMargins& m = request.margins;
  const QSize border(m.left() + m.right(), m.top() + m.bottom());
  const QSize client = request.frame.size() - border;
  const QSize roomy = room - border;  // the largest client in the room
  QSize fitted = client;
  if (client.width() > roomy.width() || client.height() > roomy.height()) {
    if (request.keepAspect && client.width() > 0 && client.height() > 0) {
      const double scale = std::max(0.0, std::min(static_cast<double>(roomy.width()) / client.width(),
                                                  static_cast<double>(roomy.height()) / client.height()));
      fitted = QSize(static_cast<int>(std::floor(client.width() * scale)),
                     static_cast<int>(std::floor(client.height() * scale)));
    } else {
      fitted = client.boundedTo(roomy);
    }
    fitted = fitted.expandedTo(request.minimumClient).boundedTo(client);
  }
  return fitted.expandedTo(QSize(1, 1)) + border;
}

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
// menu items, then least of its frame, nearest the place it was put. A menu
// item partly hidden still shows, and takes a click, in the rest of it.
QRect BesideOrOverMainWindow(const FrameRequest& request, const QRect& screen, const QRect& mainFrame,
                             const std::vector<QRect>& menuItems, QSize largerRoom) {
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
    return std::tuple(OverlapArea(place, menuItems), AreaOf(place.intersected(mainFrame).size()),
                      shift.manhattanLength());
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

struct Candidates {
  std::vector<int> columns, rows;
};

// Rows below the main window first, then those above it.
Candidates CandidatesBeside(const QRect& mainFrame, QSize size, const QRect& screen, const std::vector<QRect>& taken) {
  const int firstRow = mainFrame.bottom() + 1 + WindowGap;
  // Columns from the main window's left edge rightwards first, then those
  // left of it: the screen's left edge, and flush with its right edge.
  Candidates c{{mainFrame.left(), screen.left(), screen.right() + 1 - size.width()}, {firstRow}};
  std::vector<int> above{screen.top()};
  for (const QRect& r : taken) {
    const int below = r.bottom() + 1 + WindowGap;
    c.columns.push_back(r.right() + 1 + WindowGap);
    if (below > firstRow) c.rows.push_back(below);
    if (below < mainFrame.top()) above.push_back(below);
  }
  std::sort(c.rows.begin(), c.rows.end());
  std::sort(above.begin(), above.end());
  c.rows.insert(c.rows.end(), above.begin(), above.end());
  const int left = mainFrame.left();
  std::sort(c.columns.begin(), c.columns.end(), [left](int a, int b) {
    return std::pair(a < left, a < left ? -a : a) < std::pair(b < left, b < left ? -b : b);
  });
  return c;
}

// The first candidate, row by row, inside a room and overlapping nothing taken.
std::optional<QPoint> FirstFreePlace(const Candidates& c, QSize size, const Rooms& rooms,
                                     const std::vector<QRect>& taken) {
  for (int y : c.rows)
    for (int x : c.columns) {
      const QRect place(QPoint(x, y), size);
      if ((rooms.below.contains(place) || rooms.above.contains(place)) && OverlapArea(place, taken) == 0)
        return place.topLeft();
    }
  return std::nullopt;
}

}  // namespace

long long OverlapArea(const QRect& place, const std::vector<QRect>& taken) {
  long long overlap = 0;
  for (const QRect& r : taken) overlap += AreaOf(r.intersected(place).size());
  return overlap;
}

QRect FreePlaceBeside(const QRect& mainFrame, const FrameRequest& request, const QRect& screen,
                     const std::vector<QRect>& taken, const std::vector<QRect>& bands) {
  const QSize size = request.frame.size();
  Candidates c = CandidatesBeside(mainFrame, size, screen, taken);
  const Rooms rooms = RoomsBeside(mainFrame, screen);
  if (const auto free = FirstFreePlace(c, size, rooms, taken)) return {*free, size};
  // Below a window as tall as the screen there is no row; along the bottom
  // of a room the window covers text rather than another window's menus,
  // and just below a title and menu bar it covers only what lies under it,
  // made shorter where it must.
  for (const QRect& room : {rooms.below, rooms.above})
    if (!room.isEmpty()) c.rows.push_back(room.bottom() + 1 - size.height());
  for (const QRect& band : bands) c.rows.push_back(band.bottom() + 1 + WindowGap);
  std::optional<QRect> best;
  std::tuple<bool, long long, long long> least;  // covers a band, area lost, overlap
  for (int y : c.rows) {
    const auto room = RoomAt(y, rooms);
    if (!room) continue;
    const QSize fitted = FittedSize(request, QSize(room->width(), room->bottom() + 1 - y));
    if (y + fitted.height() > room->bottom() + 1) continue;
    for (int x : c.columns) {
      const QRect place(QPoint(x, y), fitted);
      if (!screen.contains(place)) continue;
      const bool coversBand = std::any_of(bands.begin(), bands.end(), [&place](const QRect& band) {
        return band.intersects(place);
      });
      const std::tuple cost(coversBand, AreaOf(size) - AreaOf(fitted), OverlapArea(place, taken));
      if (!best || cost < least) best = place, least = cost;
    }
  }
  return best ? *best : QRect(InsideArea(QPoint(mainFrame.left(), c.rows.front()), size, screen), size);
}

QRect FitFrame(const FrameRequest& request, const QRect& screen, const QRect& mainFrame,
               const std::vector<QRect>& menuItems) {
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
  return BesideOrOverMainWindow(request, screen, mainFrame, menuItems, tallest.value_or(screen.size()));
}

QRect MainWindowFrame(const FrameRequest& request, const QRect& screen) {
  if (screen.contains(request.frame)) return request.frame;
  FrameRequest home = request;
  home.frame.moveTopLeft(screen.topLeft());
  return FitFrame(home, screen, QRect());
}

}  // namespace halcyra
