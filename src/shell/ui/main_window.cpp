#include "shell/ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QLocale>
#include <QTime>
#include <QTimer>
#include <cmath>

#include "platform/gui/twips.h"
#include "platform/number_format.h"
#include "shell/local_clock.h"
#include "shell/ui/window_frames.h"
#include "state/app_state.h"

namespace halcyra {

namespace {
MainWindow* g_mainWindow = nullptr;
}

MainWindow* TheMainWindow() { return g_mainWindow; }

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Orvane");
  setWindowTitle("Halcyra");
  setAttribute(Qt::WA_DeleteOnClose);
  g_mainWindow = this;
  timer1 = new QTimer(this);
  timer1->setObjectName("Timer1");
  timer1->setInterval(1000);
  connect(timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
  SnapHeight();
}

MainWindow::~MainWindow() {
  if (g_mainWindow == this) g_mainWindow = nullptr;
}

void MainWindow::SnapHeight() {
  // The stored height counts the frame (estimated until the window manager
  // has framed the window); the client keeps at least the menu bar.
  const QMargins frame = ExpectedFrameMargins(*this);
  const int frameExtra = frame.top() + frame.bottom();
  const int target = std::max(PixelsFromTwipsY(MainWindowHeightTwips) - std::max(frameExtra, 0),
                              menuBar()->sizeHint().height());
  if (minimumHeight() != target || maximumHeight() != target) setFixedHeight(target);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  SnapHeight();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  SnapHeight();
}

void MainWindow::ApplyIniGeometry() {
  const IniSettings& ini = App().ini;
  // Position counts the frame, width the inside, the same both ways.
  move(PixelsFromTwipsX(ini.MainLeft), PixelsFromTwipsY(ini.MainTop));
  resize(std::max(PixelsFromTwipsX(ini.MainWidth), 1), height());
  SnapHeight();
}

void MainWindow::RecordIniGeometry() {
  IniSettings& ini = App().ini;
  // The frame's corner, read afresh: pos() may count a frame from before
  // the window manager framed the window.
  const QPoint corner = ExpectedFrame(*this).topLeft();
  ini.MainLeft = static_cast<float>(RecordedTwipsX(ini.MainLeft, corner.x()));
  ini.MainTop = static_cast<float>(RecordedTwipsY(ini.MainTop, corner.y()));
  ini.MainWidth = static_cast<float>(RecordedTwipsX(ini.MainWidth, width()));
  // The height always snaps back to the menu bar's.
  ini.MainHeight = MainWindowHeightTwips;
}

namespace {

// The locale's long time format without its time-zone name, the form a
// desktop clock shows ("14:05:09", "2:05:09 PM").
QString LongTimeText(const QTime& time) {
  QString pattern = QLocale::system().timeFormat(QLocale::LongFormat);
  QString withoutZone;
  bool quoted = false;
  for (const QChar c : pattern) {
    if (c == '\'') quoted = !quoted;
    if (!quoted && c == 't') continue;
    withoutZone += c;
  }
  return QLocale::system().toString(time, withoutZone.simplified());
}

}  // namespace

void MainWindow::Timer1_Timer() {
  const ClockMoment now = ReadClock(App().services);
  const QTime time(now.Hour, now.Minute, now.Second);
  setWindowTitle(QString::fromLatin1(App().flags.ReportHeading + FormatDateDdMmmYyyy(now.Day, now.Month, now.Year) +
                                     "     ") +
                 LongTimeText(time));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!exitDone_) {
    exitDone_ = true;
    RunExitSequence(*this);
  }
  event->accept();
}

void ShowChartMenus(MainWindow& window) {
  static const QStringList kChartMenus = {"mnuInputData", "mnuInput", "mnuRidurIziva", "mnuData",
                                          "mnuWheels"};
  for (QAction* action : window.menuBar()->actions()) {
    const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
    if (kChartMenus.contains(name) || kChartMenus.contains(action->objectName()))
      action->setVisible(true);
  }
}

void ShowChartMenus() {
  if (MainWindow* window = TheMainWindow()) ShowChartMenus(*window);
}

}  // namespace halcyra
