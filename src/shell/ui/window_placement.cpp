#include "shell/ui/window_placement.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "shell/ui/main_window.h"

namespace halcyra {

namespace {

constexpr int Gap = 4;  // pixels between neighbouring windows
constexpr char PlacedProperty[] = "halcyraPlaced";
constexpr char BelowMainProperty[] = "halcyraBelowMain";  // set by PlaceBelowMainWindow

// The frame a window will have: before its first showing the window system
// has not told its frame yet, so the main window's frame margins stand in.
QSize FrameSizeOf(const QWidget& window, const QWidget& main) {
  if (window.isVisible()) return window.frameGeometry().size();
  const QSize margins = main.frameGeometry().size() - main.size();
  return window.size() + QSize(std::max(margins.width(), 0), std::max(margins.height(), 0));
}

QPoint InsideScreen(QPoint at, QSize size, const QRect& screen) {
  at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - size.width())));
  at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - size.height())));
  return at;
}

bool PlacedByUs(const QWidget& widget) {
  if (!widget.isWindow() || widget.property(PlacedProperty).toBool()) return false;
  const Qt::WindowType type = widget.windowType();
  if (type != Qt::Window && type != Qt::Dialog) return false;
  // Message boxes and modal dialogs open centred over their parent.
  if (qobject_cast<const QDialog*>(&widget) && widget.parentWidget()) return false;
  return &widget != TheMainWindow();
}

class PlacementFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(watched);
    const MainWindow* main = TheMainWindow();
    if (!main || !main->isVisible() || !PlacedByUs(*window)) return false;
    window->setProperty(PlacedProperty, true);
    const QScreen* screen = main->screen();
    if (!screen) return false;
    const QRect area = screen->availableGeometry();
    const QSize size = FrameSizeOf(*window, *main);
    if (window->testAttribute(Qt::WA_Moved)) {
      // A row of windows below the main window stays on the screen; a
      // recorded position is the user's own and stays as it is.
      if (window->property(BelowMainProperty).toBool()) window->move(InsideScreen(window->pos(), size, area));
      return false;
    }
    std::vector<QRect> taken;
    for (QWidget* other : QApplication::topLevelWidgets())
      if (other != window && other != main && other->isVisible()) taken.push_back(other->frameGeometry());
    window->move(FreePlaceBelow(main->frameGeometry(), size, area, taken));
    return false;
  }
};

}  // namespace

void PlaceBelowMainWindow(QWidget& window, int leftOf) {
  const MainWindow* main = TheMainWindow();
  if (!main) return;
  const QRect frame = main->frameGeometry();
  window.move(frame.left() + leftOf, frame.bottom() + 1 + Gap);
  window.setProperty(BelowMainProperty, true);
}

void PlaceBelowMainWindowAfter(QWidget& window, const QWidget& after) {
  const MainWindow* main = TheMainWindow();
  if (!main) return;
  // A window not yet shown has no laid-out size; its size hint is what it will get.
  const int width = after.isVisible() ? after.frameGeometry().width() : after.sizeHint().width();
  PlaceBelowMainWindow(window, after.x() + width + Gap - main->frameGeometry().left());
}

QPoint FreePlaceBelow(const QRect& mainFrame, QSize size, const QRect& screen, const std::vector<QRect>& taken) {
  const int firstRow = mainFrame.bottom() + 1 + Gap;
  // Columns from the main window's left edge rightwards first, then those
  // left of it: the screen's left edge, and flush with its right edge.
  std::vector<int> columns = {mainFrame.left(), screen.left(), screen.right() + 1 - size.width()};
  std::vector<int> rows = {firstRow};
  for (const QRect& r : taken) {
    columns.push_back(r.right() + 1 + Gap);
    if (r.bottom() + 1 + Gap > firstRow) rows.push_back(r.bottom() + 1 + Gap);
  }
  std::sort(rows.begin(), rows.end());
  const int left = mainFrame.left();
  std::sort(columns.begin(), columns.end(), [left](int a, int b) {
    // rightwards from the main window's left edge, then leftwards from it
    return std::pair(a < left, a < left ? -a : a) < std::pair(b < left, b < left ? -b : b);
  });
  // The first place that overlaps nothing, else the one that overlaps least.
  std::optional<QPoint> best;
  long long leastOverlap = 0;
  for (int y : rows)
    for (int x : columns) {
      const QRect place(QPoint(x, y), size);
      if (!screen.contains(place)) continue;
      long long overlap = 0;
      for (const QRect& r : taken) {
        const QRect common = r.intersected(place);
        overlap += static_cast<long long>(common.width()) * common.height();
      }
      if (overlap == 0) return place.topLeft();
      if (!best || overlap < leastOverlap) best = place.topLeft(), leastOverlap = overlap;
    }
  return best ? *best : InsideScreen(QPoint(mainFrame.left(), firstRow), size, screen);
}

void InstallWindowPlacement() {
  static PlacementFilter* filter = nullptr;
  if (filter || !qApp) return;
  filter = new PlacementFilter(qApp);
  qApp->installEventFilter(filter);
}

}  // namespace halcyra
