#include "shell/ui/window_frames.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFontMetrics>
#include <QStyle>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "shell/ui/main_window.h"

namespace halcyra {

namespace {

// Where MoveFrameTo put the frame of a window not framed yet: Qt then knows
// only the client's place.
constexpr char FrameAtProperty[] = "halcyraFrameAt";

// How long start-up waits for the window manager to frame the main window.
constexpr int FrameWaitMs = 1000;

// The frame round the client as the widget holds it.
QMargins WidgetFrame(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

}  // namespace

std::optional<QMargins> KnownFrameMargins(const QWidget& window) {
  if (!window.testAttribute(Qt::WA_WState_Created) || !window.isWindow()) return std::nullopt;
  QMargins margins = WidgetFrame(window);
  if (PlatformFramesWindows()) {
    // A window manager frames a window before it maps it; until the window
    // shows, what Qt reads of its frame may be a passing state. The widget
    // keeps the frame it read at its last move, which may be from before the
    // frame; the native window reads it afresh.
    const QWindow* handle = window.windowHandle();
    if (!handle || !handle->isExposed()) return std::nullopt;
    margins = handle->frameMargins();
  }
  const bool sane = margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0 && margins.bottom() >= 0;
  if (margins.isNull() || !sane) return std::nullopt;
  return margins;
}

bool PlatformFramesWindows() {
  const QString platform = QGuiApplication::platformName();
  return platform != "offscreen" && platform != "minimal";
}

QMargins ExpectedFrameMargins(const QWidget& window) {
  if (const auto own = KnownFrameMargins(window)) return *own;
  if (!PlatformFramesWindows()) return {};
  if (const MainWindow* main = TheMainWindow(); main && main != &window)
    if (const auto mains = KnownFrameMargins(*main)) return *mains;
  // Nothing framed yet: a title bar of the style's size over thin borders.
  const QStyle* style = window.style();
  const int border = std::max(style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth), 1);
  const int title = std::max(style->pixelMetric(QStyle::PM_TitleBarHeight), QFontMetrics(window.font()).height() + 8);
  return {border, title + border, border, border};
}

QRect ExpectedFrame(const QWidget& window) {
  if (const auto known = KnownFrameMargins(window)) {
    // The client is where Qt says; pos() counts the frame the widget last
    // read, which may be none. Without a window manager Qt's own frame and
    // pos() hold, also while a place given before the window existed waits
    // to be applied.
    const QPoint topLeft = PlatformFramesWindows() ? window.geometry().topLeft() - QPoint(known->left(), known->top())
                                                   : window.pos();
    return {topLeft, window.size().grownBy(*known)};
  }
  // Unframed, pos() is where the window's code wants the frame, unless
  // MoveFrameTo placed its client.
  const QVariant at = window.property(FrameAtProperty);
  return {at.isValid() ? at.toPoint() : window.pos(), window.size().grownBy(ExpectedFrameMargins(window))};
}

std::optional<QPoint> TakeWantedFramePosition(QWidget& window) {
  const QVariant at = window.property(FrameAtProperty);
  if (!at.isValid()) return std::nullopt;
  window.setProperty(FrameAtProperty, QVariant());
  return at.toPoint();
}

void MoveFrameTo(QWidget& window, QPoint at) {
  const auto known = KnownFrameMargins(window);
  window.setProperty(FrameAtProperty, known ? QVariant() : QVariant(at));
  if (!window.testAttribute(Qt::WA_WState_Created) || (known && !PlatformFramesWindows())) {
    // Before the native window exists the frame's corner is all there is to
    // give; without a window manager Qt knows its frame.
    window.move(at);
    return;
  }
  // Qt places the client, and the window manager keeps the frame round it
  // where it stands.
  const QMargins m = ExpectedFrameMargins(window);
  window.setGeometry(QRect(at + QPoint(m.left(), m.top()), window.size()));
}

void AwaitWindowFrame(QWidget& window) {
  if (!PlatformFramesWindows() || !window.isVisible()) return;
  QElapsedTimer waited;
  waited.start();
  QTimer wake;  // so that the wait for more events ends in time
  wake.start(20);
  // The window manager frames a window before it maps it, so a window shown
  // on the screen is framed if anything frames it.
  while (waited.elapsed() < FrameWaitMs) {
    const QWindow* handle = window.windowHandle();
    if (KnownFrameMargins(window) || (handle && handle->isExposed())) break;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
  }
}

}  // namespace halcyra
