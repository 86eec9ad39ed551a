// FreePlaceBeside: where a window opens among the windows already open,
// at its size where a place is free, else made smaller in the free room or
// over other windows' text, keeping their title and menu bars in sight
// (BandsInSight).
#include <QRegion>
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

// The largest areas of `room` with their top left corner at `at` that keep
// a gap from every rectangle of `obstacles`: one for each right edge the
// room or an obstacle sets, as tall as the obstacles below allow. None
// where `at` lies in an obstacle or within a gap of it.
std::vector<QSize> AreasAt(QPoint at, const QRect& room, const std::vector<QRect>& obstacles) {
  std::vector<int> rights{room.right()};
  for (const QRect& o : obstacles)
    if (o.left() - 1 - WindowGap >= at.x()) rights.push_back(o.left() - 1 - WindowGap);
  std::vector<QSize> areas;
  for (const int right : rights) {
    int bottom = room.bottom();
    for (const QRect& o : obstacles)
      if (o.left() <= right + WindowGap && o.right() + WindowGap >= at.x() && o.bottom() + WindowGap >= at.y())
        bottom = std::min(bottom, o.top() - 1 - WindowGap);
    if (bottom >= at.y()) areas.emplace_back(right + 1 - at.x(), bottom + 1 - at.y());
  }
  return areas;
}

}  // namespace

long long OverlapArea(const QRect& place, const std::vector<QRect>& taken) {
  long long overlap = 0;
  for (const QRect& r : taken) overlap += AreaOf(r.intersected(place).size());
  return overlap;
}

std::vector<QRect> BandsInSight(const std::vector<QRect>& frames, const std::vector<QRect>& bands) {
  std::vector<QRect> inSight;
  for (size_t i = 0; i < bands.size(); ++i) {
    QRegion seen(bands[i]);
    for (size_t above = i + 1; above < frames.size(); ++above) seen -= frames[above];
    inSight.insert(inSight.end(), seen.begin(), seen.end());
  }
  return inSight;
}

QRect FreePlaceBeside(const QRect& mainFrame, const FrameRequest& request, const QRect& screen,
                     const OpenWindows& open) {
  const QSize size = request.frame.size();
  Candidates c = CandidatesBeside(mainFrame, size, screen, open.frames);
  const Rooms rooms = RoomsBeside(mainFrame, screen);
  if (const auto free = FirstFreePlace(c, size, rooms, open.frames)) return {*free, size};
  // Below a window as tall as the screen there is no row; along the bottom
  // of a room the window covers text rather than another window's menus,
  // and just below a title and menu bar it covers only what lies under it.
  for (const QRect& room : {rooms.below, rooms.above})
    if (!room.isEmpty()) c.rows.push_back(room.bottom() + 1 - size.height());
  for (const QRect& band : open.bands) c.rows.push_back(band.bottom() + 1 + WindowGap);
  std::vector<QRect> bars = open.bands;  // what it leaves in sight when it may cover text
  bars.insert(bars.end(), open.kept.begin(), open.kept.end());
  // The request made as large as `area` holds; none when its minimum is larger.
  const auto fittedTo = [&request](QSize area) -> std::optional<QSize> {
    const QSize fitted = FittedSize(request, area);
    return fitted.boundedTo(area) == fitted ? std::optional(fitted) : std::nullopt;
  };
  // Fixed-column text loses lines where it is made narrower: the width the
  // room gives it is kept first.
  const auto widthLost = [&request](QSize fitted, const QRect& room) {
    return request.keepWidth ? FittedSize(request, room.size()).width() - fitted.width() : 0;
  };
  std::optional<QRect> free, best;
  // covers a kept window; width lost; covers a band; area lost; overlap
  std::tuple<bool, int, bool, long long, long long> least;
  for (int y : c.rows) {
    const auto room = RoomAt(y, rooms);
    if (!room) continue;
    for (int x : c.columns) {
      if (x < room->left() || x > room->right()) continue;
      const QPoint at(x, y);
      // Each place is made as large as the area it stands in holds: the
      // free area, the area clear of the bars, or the room.
      for (const QSize area : AreasAt(at, *room, open.frames)) {
        const auto fitted = fittedTo(area);
        if (fitted && widthLost(*fitted, *room) == 0 && (!free || AreaOf(*fitted) > AreaOf(free->size())))
          free = QRect(at, *fitted);
      }
      std::vector<QSize> areas = AreasAt(at, *room, bars);
      areas.emplace_back(room->right() + 1 - x, room->bottom() + 1 - y);
      for (const QSize area : areas) {
        const auto fitted = fittedTo(area);
        if (!fitted) continue;
        const QRect place(at, *fitted);
        const std::tuple cost(CoversAny(place, open.kept), widthLost(*fitted, *room), CoversAny(place, open.bands),
                              AreaOf(size) - AreaOf(*fitted), OverlapArea(place, open.frames));
        if (!best || cost < least) best = place, least = cost;
      }
    }
  }
  // The free room wins where the window keeps at least half the size it
  // would have over other windows' text: a wheel made small to stay clear
  // of the Data window is worse than one over its text. The best covers no
  // bar where a place is free: the area clear of the bars holds the free one.
  if (free && (!best || 2 * AreaOf(free->size()) >= AreaOf(best->size()))) return *free;
  return best ? *best : QRect(InsideArea(QPoint(mainFrame.left(), c.rows.front()), size, screen), size);
}

}  // namespace halcyra
