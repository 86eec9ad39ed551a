#include "shell/ui/placement_geometry.h"

#include <algorithm>
#include <cmath>

namespace halcyra {

QPoint InsideArea(QPoint at, QSize size, const QRect& area) {
  at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - size.width())));
  at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - size.height())));
  return at;
}

long long AreaOf(QSize size) {
  return size.isEmpty() ? 0 : static_cast<long long>(size.width()) * size.height();
}

bool CoversAny(const QRect& place, const std::vector<QRect>& rects) {
  return std::any_of(rects.begin(), rects.end(), [&place](const QRect& r) { return r.intersects(place); });
}

Rooms RoomsBeside(const QRect& mainFrame, const QRect& screen) {
  QRect below = screen, above = screen;
  below.setTop(std::max(screen.top(), mainFrame.bottom() + 1 + WindowGap));
  above.setBottom(std::min(screen.bottom(), mainFrame.top() - 1 - WindowGap));
  return {below, above};
}

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

}  // namespace halcyra
