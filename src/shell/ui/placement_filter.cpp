// The watcher behind InstallWindowPlacement: it places each top-level
// window when it is first shown, sets the place right once the window
// manager has framed it, and moves a window shown or raised again off the
// main window.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "shell/ui/main_window.h"
#include "shell/ui/placement_geometry.h"
#include "shell/ui/window_frames.h"
#include "shell/ui/window_placement.h"

namespace halcyra {

namespace {

constexpr char PlacedProperty[] = "halcyraPlaced";
constexpr char BesideMainProperty[] = "halcyraBesideMain";  // set by PlaceBesideMainWindow
constexpr char KeepAspectProperty[] = "halcyraKeepAspect";
constexpr char KeepWidthProperty[] = "halcyraKeepWidth";
constexpr char LeastClientProperty[] = "halcyraLeastClient";  // set by KeepClientWhenFitted
constexpr char KeptInSightProperty[] = "halcyraKeptInSight";  // set by KeepInSightWhenPlaced
constexpr char SettlingProperty[] = "halcyraSettling";    // placed on an estimated frame
constexpr char PlacedFrameProperty[] = "halcyraPlacedFrame";  // where the placement last put the frame
constexpr char WantedClientProperty[] = "halcyraWantedClient";  // the size it gave before the frame was known
constexpr char StackedProperty[] = "halcyraStacked";  // counts up each time a window comes above the others
constexpr int SettleRetryMs = 50, SettleTries = 40;

bool IsPlainWindow(const QWidget& widget) {
  const Qt::WindowType type = widget.windowType();
  return widget.isWindow() && (type == Qt::Window || type == Qt::Dialog);
}

// Message boxes and modal dialogs open centred over their parent.
bool CentredOverParent(const QWidget& widget) {
  return IsPlainWindow(widget) && qobject_cast<const QDialog*>(&widget) && widget.parentWidget();
}

// The screen's area a window opens in: the main window's screen, or the one
// under the window.
QRect ScreenArea(const QWidget& window) {
  const QScreen* screen = nullptr;
  if (const MainWindow* main = TheMainWindow(); main && main->isVisible())
    screen = QGuiApplication::screenAt(ExpectedFrame(*main).center());
  if (!screen) screen = QGuiApplication::screenAt(ExpectedFrame(window).center());
  if (!screen) screen = window.screen();
  return screen ? screen->availableGeometry() : QRect();
}

// The main window's frame, which other windows keep clear of; none for the
// main window itself.
QRect MainFrameFor(const QWidget& window) {
  const MainWindow* main = TheMainWindow();
  if (!main || main == &window || !main->isVisible()) return {};
  return ExpectedFrame(*main);
}

// Where the main window's menu items stand on the screen, which a window
// that must cover part of the main window hides as little of as it can.
std::vector<QRect> MainMenuItems() {
  std::vector<QRect> items;
  const MainWindow* main = TheMainWindow();
  if (!main || !main->isVisible()) return items;
  const QMenuBar* bar = main->menuBar();
  for (QAction* action : bar->actions()) {
    const QRect item = bar->actionGeometry(action);
    if (action->isVisible() && !item.isEmpty()) items.emplace_back(bar->mapToGlobal(item.topLeft()), item.size());
  }
  return items;
}

// The frame of the window that `window` leaves in sight
// (KeepInSightWhenPlaced), while that shows.
std::vector<QRect> KeptFrames(const QWidget& window) {
  const auto kept = window.property(KeptInSightProperty).value<QPointer<QWidget>>();
  if (!kept || !kept->isVisible()) return {};
  return {ExpectedFrame(*kept)};
}

// FitFrame beside the main window, for any window but the main window.
QRect FitBesideMainWindow(const QWidget& window, const FrameRequest& request, const QRect& area) {
  const QRect mainFrame = MainFrameFor(window);
  if (mainFrame.isEmpty()) return FitFrame(request, area, mainFrame);
  return FitFrame(request, area, mainFrame, MainMenuItems(), KeptFrames(window));
}

// The window's frame put at `frame`, with the smallest client it may be
// made: its own minimum, or the least client it keeps where `area` has room.
FrameRequest RequestOf(const QWidget& window, const QRect& frame, const QRect& area) {
  const QMargins margins = ExpectedFrameMargins(window);
  QSize minimum = window.minimumSize();
  if (const QLayout* layout = window.layout()) minimum = minimum.expandedTo(layout->minimumSize());
  const QSize least = window.property(LeastClientProperty).toSize();
  if (least.isValid()) minimum = minimum.expandedTo(least.boundedTo(area.size().shrunkBy(margins)));
  return {frame, margins, minimum, window.property(KeepAspectProperty).toBool(),
          window.property(KeepWidthProperty).toBool()};
}

// The windows open beside the main window but `window`, from the bottom of
// the stack up.
std::vector<const QWidget*> OtherWindows(const QWidget& window) {
  std::vector<const QWidget*> others;
  for (const QWidget* other : QApplication::topLevelWidgets())
    if (other != &window && other != TheMainWindow() && other->isVisible() && IsPlainWindow(*other))
      others.push_back(other);
  std::sort(others.begin(), others.end(), [](const QWidget* a, const QWidget* b) {
    return a->property(StackedProperty).toLongLong() < b->property(StackedProperty).toLongLong();
  });
  return others;
}

// What a window cannot do without: its title bar and its menu bar.
QRect TopBand(const QWidget& window) {
  const QRect frame = ExpectedFrame(window);
  int height = ExpectedFrameMargins(window).top();
  if (const auto* main = qobject_cast<const QMainWindow*>(&window); main && main->menuWidget() &&
                                                                     main->menuWidget()->isVisible())
    height += main->menuWidget()->height();
  return {frame.left(), frame.top(), frame.width(), std::max(height, 1)};
}

// Moves and sizes the window to `frame`. A framed window already there is
// left alone; an unframed one is always moved, since Qt alone would put its
// client, not its frame, at the place its code gave.
void ApplyFrame(QWidget& window, const QRect& frame, const QMargins& margins) {
  const QSize client = frame.size().shrunkBy(margins);
  if (client != window.size()) window.resize(client);
  if (!KnownFrameMargins(window)) window.setProperty(WantedClientProperty, client);
  if (!KnownFrameMargins(window) || frame.topLeft() != ExpectedFrame(window).topLeft())
    MoveFrameTo(window, frame.topLeft());
  window.setProperty(PlacedFrameProperty, frame);
}

void RetrySettling(QPointer<QWidget> window, int tries);
void GiveUpSettling(QWidget& window);

// Where a window opens on its first showing, or goes when it is shown again
// over the main window.
QRect OpeningFrame(const QWidget& window, const QRect& area) {
  OpenWindows open{{}, {}, KeptFrames(window)};
  std::vector<QRect> bands;
  for (const QWidget* other : OtherWindows(window)) {
    open.frames.push_back(ExpectedFrame(*other));
    bands.push_back(TopBand(*other));
  }
  open.bands = BandsInSight(open.frames, bands);
  const auto hidesBand = [&open](const QRect& frame) { return CoversAny(frame, open.bands); };
  const QRect wanted = ExpectedFrame(window);
  const QRect fitted = FitBesideMainWindow(window, RequestOf(window, wanted, area), area);
  const bool moved = window.testAttribute(Qt::WA_Moved);
  const bool inRow = moved && window.property(BesideMainProperty).toBool();
  // A row beside the main window that ran off the screen piles its windows
  // up where they were moved back onto it.
  const bool piled = inRow && fitted.topLeft() != wanted.topLeft() && OverlapArea(fitted, open.frames) > 0;
  if (moved && !hidesBand(fitted) && !piled) return fitted;
  // A window put nowhere in particular goes to the free place beside the
  // main window; so does one at a recorded place that would hide another
  // window's title or menu bar, or else to a place that leaves those bars in
  // sight.
  const QRect place = FreePlaceBeside(MainFrameFor(window), RequestOf(window, fitted, area), area, open);
  const QRect free = FitBesideMainWindow(window, RequestOf(window, place, area), area);
  if (!inRow) return free;
  // One of the row moves to a place that hides no bar when its own hides
  // one, and else only to one at its full size that it shares with less of
  // the other windows.
  const bool better = !hidesBand(free) && (hidesBand(fitted) || (free.size() == fitted.size() &&
                                                                  OverlapArea(free, open.frames) <
                                                                      OverlapArea(fitted, open.frames)));
  return better ? free : fitted;
}

// The main window on its first showing. Before the window manager has
// framed it, a place that holds at least its client is kept for its real
// frame to judge (the estimated frame may be the larger); one that does not
// goes home at once.
QRect MainOpeningFrame(const QWidget& window, const QRect& area) {
  const QRect frame = ExpectedFrame(window);
  if (PlatformFramesWindows() && !KnownFrameMargins(window) && area.contains(QRect(frame.topLeft(), window.size())))
    return frame;
  return MainWindowFrame(RequestOf(window, frame, area), area);
}

// A dialog's frame centred over its parent's window, where Qt puts it when
// its code did not; the dialog centres itself only after this filter has
// seen it shown.
QRect CentredFrame(const QWidget& dialog) {
  QRect frame = ExpectedFrame(dialog);
  if (!dialog.testAttribute(Qt::WA_Moved)) frame.moveCenter(ExpectedFrame(*dialog.parentWidget()->window()).center());
  return frame;
}

// Places the window by the opening rules and, before the window manager has
// framed it, sets the place right once it has.
void Place(QWidget& window) {
  const QRect area = ScreenArea(window);
  if (area.isEmpty()) return;
  // A dialog over its parent stays where it is, moved only as far as it must
  // to lie inside the screen and clear of the main window.
  QRect frame;
  if (&window == TheMainWindow())
    frame = MainOpeningFrame(window, area);
  else if (CentredOverParent(window))
    frame = FitBesideMainWindow(window, RequestOf(window, CentredFrame(window), area), area);
  else
    frame = OpeningFrame(window, area);
  ApplyFrame(window, frame, ExpectedFrameMargins(window));
  if (PlatformFramesWindows() && !KnownFrameMargins(window)) {
    window.setProperty(SettlingProperty, true);
    RetrySettling(&window, 0);
  }
}

// A window shown or raised again whose frame covers the main window's (the
// main window was dragged onto it) is placed again; one anywhere else stays
// where it is, where the user may have put it.
void PlaceAgainOffMainWindow(QWidget& window) {
  if (&window == TheMainWindow() || !window.isVisible() || window.property(SettlingProperty).toBool()) return;
  const QRect mainFrame = MainFrameFor(window);
  if (!mainFrame.isEmpty() && ExpectedFrame(window).intersects(mainFrame)) Place(window);
}

// The frame as it stands now, at the place its code put it and of the size
// the placement gave it before the window manager framed it: the size the
// window manager reports as it frames the window may be the one from before.
QRect WantedFrame(QWidget& window, const QRect& now) {
  QSize size = now.size();
  if (const QVariant client = window.property(WantedClientProperty); client.isValid())
    size = client.toSize() + (now.size() - window.size());
  window.setProperty(WantedClientProperty, QVariant());
  return {TakeWantedFramePosition(window).value_or(now.topLeft()), size};
}

// The window manager has framed the window: its place is set right with the
// real frame, and the main window's height is the bare menu bar again.
void Settle(QWidget& window) {
  const auto margins = KnownFrameMargins(window);
  if (!margins) return;
  window.setProperty(SettlingProperty, QVariant());
  auto* main = TheMainWindow();
  if (&window == main) main->SnapHeight();
  const QRect area = ScreenArea(window);
  if (area.isEmpty()) return;
  // The frame goes where it was wanted, now that its size is known.
  const QRect now = ExpectedFrame(window);
  const FrameRequest request = RequestOf(window, WantedFrame(window, now), area);
  const QRect frame = &window == main ? MainWindowFrame(request, area) : FitBesideMainWindow(window, request, area);
  if (frame != now) ApplyFrame(window, frame, *margins);
  window.setProperty(PlacedFrameProperty, frame);
}

// Nothing frames the window: the main window, kept at its place for its
// real frame to judge, is judged with the estimated one.
void GiveUpSettling(QWidget& window) {
  window.setProperty(SettlingProperty, QVariant());
  if (&window != TheMainWindow()) return;
  const QRect area = ScreenArea(window);
  if (area.isEmpty()) return;
  const QRect frame = MainWindowFrame(RequestOf(window, WantedFrame(window, ExpectedFrame(window)), area), area);
  ApplyFrame(window, frame, ExpectedFrameMargins(window));
}

// The window's own events settle it as soon as its frame is known; these
// tries are for a window manager that tells its frame late, or never.
void RetrySettling(QPointer<QWidget> window, int tries) {
  QTimer::singleShot(SettleRetryMs, [window, tries] {
    if (!window || !window->property(SettlingProperty).toBool()) return;
    Settle(*window);
    if (!window->property(SettlingProperty).toBool()) return;
    if (tries + 1 < SettleTries)
      RetrySettling(window, tries + 1);
    else
      GiveUpSettling(*window);
  });
}

class PlacementFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize && type != QEvent::Paint &&
        type != QEvent::WindowActivate && type != QEvent::ZOrderChange)
      return false;
    if (!watched->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow()) return false;
    // Shown, raised or activated (a click raises the window it activates),
    // a window stands above the others.
    if (type == QEvent::Show || type == QEvent::ZOrderChange || type == QEvent::WindowActivate) {
      static qlonglong stacked = 0;
      window->setProperty(StackedProperty, ++stacked);
    }
    // The other windows are placed round the main window, once it shows.
    const MainWindow* main = TheMainWindow();
    const bool placeable = window == main || (main && main->isVisible() && IsPlainWindow(*window));
    const bool placed = window->property(PlacedProperty).toBool();
    // raise() tells of itself by a change of stacking order; the user's
    // clicks and drags do not, and a window in their way stays.
    if (type == QEvent::ZOrderChange || (type == QEvent::Show && placed)) {
      if (placeable && placed) PlaceAgainOffMainWindow(*window);
      return false;
    }
    if (type != QEvent::Show) {
      if (window->property(SettlingProperty).toBool()) Settle(*window);
      return false;
    }
    if (!placeable) return false;
    window->setProperty(PlacedProperty, true);
    Place(*window);
    return false;
  }
};

}  // namespace

void PlaceBesideMainWindow(QWidget& window, int leftOf) {
  const MainWindow* main = TheMainWindow();
  if (!main) return;
  const QRect frame = ExpectedFrame(*main);
  MoveFrameTo(window, QPoint(frame.left() + leftOf, frame.bottom() + 1 + WindowGap));
  window.setProperty(BesideMainProperty, true);
}

void PlaceBesideMainWindowAfter(QWidget& window, const QWidget& after) {
  const MainWindow* main = TheMainWindow();
  if (!main) return;
  // A window not yet shown has no laid-out size; its size hint is what it will get.
  const QRect frame = ExpectedFrame(after);
  const int width = after.isVisible() ? frame.width()
                                      : after.sizeHint().grownBy(ExpectedFrameMargins(after)).width();
  PlaceBesideMainWindow(window, frame.left() + width + WindowGap - ExpectedFrame(*main).left());
}

void PlaceAgainAsOpenedNow(QWidget& window) {
  if (!window.isVisible() || window.property(SettlingProperty).toBool() ||
      window.property(PlacedFrameProperty).toRect() != ExpectedFrame(window))
    return;
  PlaceBesideMainWindow(window);
  Place(window);
}

bool WindowPlacementSettled(const QWidget& window) { return !window.property(SettlingProperty).toBool(); }

void KeepAspectWhenFitted(QWidget& window) { window.setProperty(KeepAspectProperty, true); }

void KeepWidthWhenFitted(QWidget& window) { window.setProperty(KeepWidthProperty, true); }

void KeepClientWhenFitted(QWidget& window, QSize least) { window.setProperty(LeastClientProperty, least); }

void KeepInSightWhenPlaced(QWidget& window, QWidget& other) {
  window.setProperty(KeptInSightProperty, QVariant::fromValue(QPointer<QWidget>(&other)));
}

void InstallWindowPlacement() {
  static PlacementFilter* filter = nullptr;
  if (filter || !qApp) return;
  filter = new PlacementFilter(qApp);
  qApp->installEventFilter(filter);
}

}  // namespace halcyra
