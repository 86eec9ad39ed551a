// FreePlaceBeside: where a window opens among the windows already open,
// at its size where a place is free, else where it is made shorter least
// and keeps their title and menu bars in sight.
#include <algorithm>
#include <optional>
#include <tuple>

#include "shell/ui/placement_geometry.h"
#include "shell/ui/window_placement.h"

namespace halcyra {

namespace {

// The room whose rows hold `y`; none on the main window's rows.
std::optional<QRect> RoomAt(int y, const Rooms& rooms) {
  for (const QRect& room : {rooms.below, rooms.above})
    if (!room.isEmpty() && y >= room.top() && y <= room.bottom()) return room;
  return std::nullopt;
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

}  // namespace halcyra
