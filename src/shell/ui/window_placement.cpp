#include "shell/ui/window_placement.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace halcyra {

namespace {

// `at` moved so that `size` lies inside `area`; its top left corner when larger.
QPoint InsideArea(QPoint at, QSize size, const QRect& area) {
  at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - size.width())));
  at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - size.height())));
  return at;
}

struct Candidates {
  std::vector<int> columns, rows;
};

Candidates CandidatesBelow(const QRect& mainFrame, QSize size, const QRect& screen, const std::vector<QRect>& taken) {
  const int firstRow = mainFrame.bottom() + 1 + WindowGap;
  // Columns from the main window's left edge rightwards first, then those
  // left of it: the screen's left edge, and flush with its right edge.
  Candidates c{{mainFrame.left(), screen.left(), screen.right() + 1 - size.width()}, {firstRow}};
  for (const QRect& r : taken) {
    c.columns.push_back(r.right() + 1 + WindowGap);
    if (r.bottom() + 1 + WindowGap > firstRow) c.rows.push_back(r.bottom() + 1 + WindowGap);
  }
  std::sort(c.rows.begin(), c.rows.end());
  const int left = mainFrame.left();
  std::sort(c.columns.begin(), c.columns.end(), [left](int a, int b) {
    return std::pair(a < left, a < left ? -a : a) < std::pair(b < left, b < left ? -b : b);
  });
  return c;
}

long long Overlap(const QRect& place, const std::vector<QRect>& taken) {
  long long overlap = 0;
  for (const QRect& r : taken) {
    const QRect common = r.intersected(place);
    overlap += static_cast<long long>(common.width()) * common.height();
  }
  return overlap;
}

// The first candidate, row by row, inside the screen and overlapping nothing taken.
std::optional<QPoint> FirstFreePlace(const Candidates& c, QSize size, const QRect& screen,
                                     const std::vector<QRect>& taken) {
  for (int y : c.rows)
    for (int x : c.columns) {
      const QRect place(QPoint(x, y), size);
      if (screen.contains(place) && Overlap(place, taken) == 0) return place.topLeft();
    }
  return std::nullopt;
}

}  // namespace

QPoint FreePlaceBelow(const QRect& mainFrame, QSize size, const QRect& screen, const std::vector<QRect>& taken,
                      const std::vector<QRect>& bands) {
  Candidates c = CandidatesBelow(mainFrame, size, screen, taken);
  if (const auto free = FirstFreePlace(c, size, screen, taken)) return *free;
  // Below a window as tall as the screen there is no row; along the bottom
  // edge the window covers text rather than another window's menus.
  c.rows.push_back(screen.bottom() + 1 - size.height());
  std::optional<QPoint> best;
  std::pair<bool, long long> least;  // covers a band, overlap
  for (int y : c.rows)
    for (int x : c.columns) {
      const QRect place(QPoint(x, y), size);
      if (!screen.contains(place)) continue;
      const bool coversBand = std::any_of(bands.begin(), bands.end(), [&place](const QRect& band) {
        return band.intersects(place);
      });
      const std::pair cost(coversBand, Overlap(place, taken));
      if (!best || cost < least) best = place.topLeft(), least = cost;
    }
  return best ? *best : InsideArea(QPoint(mainFrame.left(), c.rows.front()), size, screen);
}

QRect FitFrame(const FrameRequest& request, const QRect& screen, int floor) {
  const QMargins& m = request.margins;
  const QSize border(m.left() + m.right(), m.top() + m.bottom());
  QRect room = screen;
  room.setTop(std::clamp(floor, screen.top(), screen.bottom() + 1));
  const QSize client = request.frame.size() - border;
  const QSize roomy = room.size() - border;  // the largest client below the floor
  QSize fitted = client;
  if (client.width() > roomy.width() || client.height() > roomy.height()) {
    if (request.keepAspect && client.width() > 0 && client.height() > 0) {
      const double scale = std::min(static_cast<double>(roomy.width()) / client.width(),
                                    static_cast<double>(roomy.height()) / client.height());
      fitted = QSize(static_cast<int>(std::floor(client.width() * scale)),
                     static_cast<int>(std::floor(client.height() * scale)));
    } else {
      fitted = client.boundedTo(roomy);
    }
    fitted = fitted.expandedTo(request.minimumClient).boundedTo(client);
  }
  const QSize size = fitted + border;
  // Too tall for the room below the main window even at its smallest: it
  // covers as little of the main window as it can.
  if (size.height() > room.height()) room = screen;
  return {InsideArea(request.frame.topLeft(), size, room), size};
}

}  // namespace halcyra
