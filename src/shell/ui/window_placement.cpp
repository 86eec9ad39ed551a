#include "shell/ui/window_placement.h"

#include <QWidget>

#include "shell/ui/main_window.h"

namespace halcyra {

namespace {
constexpr int Gap = 4;  // pixels between neighbouring windows
}

void PlaceBelowMainWindow(QWidget& window, int leftOf) {
  const MainWindow* main = TheMainWindow();
  if (!main) return;
  const QRect frame = main->frameGeometry();
  window.move(frame.left() + leftOf, frame.bottom() + 1 + Gap);
}

void PlaceBelowMainWindowAfter(QWidget& window, const QWidget& after) {
  const MainWindow* main = TheMainWindow();
  if (!main) return;
  // A window not yet shown has no laid-out size; its size hint is what it will get.
  const int width = after.isVisible() ? after.frameGeometry().width() : after.sizeHint().width();
  PlaceBelowMainWindow(window, after.x() + width + Gap - main->frameGeometry().left());
}

}  // namespace halcyra
