// The program's windows on a desktop with a window manager (openbox on a
// private X server, tests/desktop/run_on_desktop.sh), where their frames
// are real: every window opens with its whole frame inside the screen's
// available area and below the main window's frame, the wheel fits, and the
// window manager's close button cancels a listing. With HALCYRA_DESKTOP_SHOTS
// set to a folder, each test leaves a screenshot there.
#include <QDialog>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <fstream>
#include <functional>

#include "app/startup.h"
#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "chart_input/ui/names_window.h"
#include "gui_test_support.h"
#include "platform/gui/message_boxes.h"
#include "platform/gui/twips.h"
#include "reports/ui/diur_opt_window.h"
#include "reports/ui/listing_commands.h"
#include "shell/ui/progress_window.h"
#include "shell/ui/window_frames.h"
#include "shell/ui/window_placement.h"
#include "wheels/ui/keywords_window.h"
#include "wheels/ui/voruv_edud_window.h"
#include "wheels/ui/wheels_window.h"

namespace halcyra {
namespace {

// Handles events until `done` holds, for ten seconds at most.
bool WaitUntil(const std::function<bool()>& done) {
  QElapsedTimer waited;
  waited.start();
  QTimer wake;
  wake.start(10);
  while (!done()) {
    if (waited.elapsed() > 10000) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

// A window the window manager has framed and the program has placed for good.
bool Placed(const QWidget* window) {
  return window && window->isVisible() && KnownFrameMargins(*window) && WindowPlacementSettled(*window);
}

// What the test knows of a window's frame, for a failure message.
std::string FrameState(const QWidget* window) {
  if (!window) return "no window";
  const QWindow* handle = window->windowHandle();
  return std::string("visible ") + (window->isVisible() ? "yes" : "no") + ", exposed " +
         (handle && handle->isExposed() ? "yes" : "no") + ", frame " + (KnownFrameMargins(*window) ? "known" : "unknown") +
         ", placed " + (WindowPlacementSettled(*window) ? "yes" : "no");
}

// The window's frame as the window manager drew it (the widget may still
// hold the frame it read before there was one).
QRect Frame(const QWidget* window) { return window->windowHandle()->frameGeometry(); }

QRect Area() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// The frame's top down to the window's client below its menu bar.
QRect TitleAndMenuBar(const QMainWindow* window) {
  return {Frame(window).topLeft(),
          QPoint(Frame(window).right(), window->mapToGlobal(QPoint(0, window->centralWidget()->y())).y())};
}

class DesktopTest : public testing::GuiTest {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs a desktop: run through run_on_desktop.sh";
    size = qEnvironmentVariable("HALCYRA_DESKTOP_SIZE", "desktop");
  }

  void TearDown() override {
    // The windows go first, or the screenshot shows the next test's desktop.
    Shoot(::testing::UnitTest::GetInstance()->current_test_info()->name());
  }

  // Start-up on a copy of the program folder, Continue pressed, the INI
  // file holding `ini`.
  void Start(const std::string& ini = "") {
    dir = testing::ScratchProgramFolder("desktop", {});
    if (!ini.empty()) std::ofstream(dir + "/Orvane.INI", std::ios::binary) << ini;
    StartupSettings settings;
    settings.appPath = dir;
    settings.titleShown = [](QWidget& title) { title.findChild<QPushButton*>("cmdOK")->click(); };
    {
      // start-up waits for each window's frame, a second at most
      testing::LoopWatchdog watchdog("start-up", 15);
      ASSERT_EQ(StartHalcyra(settings), 0);
    }
    ASSERT_TRUE(WaitUntil([] { return Placed(TheMainWindow()); })) << FrameState(TheMainWindow());
  }

  // The window has a real frame, whole inside the screen and below the main
  // window's frame.
  void ExpectOnDesktop(const QWidget* window, const char* name) {
    ASSERT_TRUE(WaitUntil([window] { return Placed(window); })) << name << ": " << FrameState(window);
    const QRect frame = Frame(window);
    EXPECT_GT(window->geometry().top() - frame.top(), 10) << name << ": no title bar counted";
    EXPECT_TRUE(Area().contains(frame)) << name << " " << Text(frame) << " leaves the screen " << Text(Area());
    EXPECT_GT(frame.top(), Frame(TheMainWindow()).bottom())
        << name << " " << Text(frame) << " covers the main window " << Text(Frame(TheMainWindow()));
  }

  // OK pressed in the natal window, then VoruvEdud opened: the strip
  // keeps clear of the Data window's title and menu bar.
  const DataWindow* OpenChartAndStrip() {
    InputD().findChild<QPushButton*>("cmdOK")->click();
    const DataWindow* data = CurrentDataWindow();
    ExpectOnDesktop(data, "Data");
    TheMainWindow()->findChild<QAction*>("mnuAstrline")->trigger();
    ExpectOnDesktop(TheVoruvEdudWindow(), "VoruvEdud");
    EXPECT_FALSE(Frame(TheVoruvEdudWindow()).intersects(TitleAndMenuBar(data))) << Text(Frame(TheVoruvEdudWindow()));
    return data;
  }

  static std::string Text(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
  }

  void Shoot(const std::string& name) const {
    const QString folder = qEnvironmentVariable("HALCYRA_DESKTOP_SHOTS");
    if (folder.isEmpty()) return;
    QCoreApplication::processEvents();
    QGuiApplication::primaryScreen()->grabWindow(0).save(folder + "/" + QString::fromStdString(name) + "-" + size +
                                                         ".png");
  }

  static bool Xdotool(const QStringList& arguments) {
    QProcess tool;
    tool.start("xdotool", arguments);
    if (!WaitUntil([&tool] { return tool.state() == QProcess::NotRunning; })) return false;
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
  }

  QString size;
  std::string dir;
  testing::RecordingSink messages;
};

TEST_F(DesktopTest, StartUpWindowsOpenBelowTheMenuBar) {
  Start();
  EXPECT_TRUE(Area().contains(Frame(TheMainWindow()))) << Text(Frame(TheMainWindow()));
  ExpectOnDesktop(&InputD(), "natal input");
  ExpectOnDesktop(&Names(), "Names");
  ExpectOnDesktop(&InputD1(), "transit input");
  // There is room for the three side by side.
  EXPECT_FALSE(Frame(&InputD()).intersects(Frame(&Names())));
  EXPECT_FALSE(Frame(&Names()).intersects(Frame(&InputD1())));

  // Exit records where the main window's frame stands, so that it opens
  // there again and does not creep by a title bar each time.
  TheMainWindow()->findChild<QAction*>("mnuFileExit")->trigger();
  const auto ini = ReadTextLines(dir + "/Orvane.INI").value_or(std::vector<std::string>{});
  ASSERT_GE(ini.size(), 6u);
  EXPECT_EQ(std::vector(ini.begin() + 4, ini.begin() + 6), (std::vector<std::string>{"OrvaneTop= 0", "OrvaneLeft= 0"}));
}

// The windows of a chart, opened the way a user does after OK.
TEST_F(DesktopTest, ChartWindowsOpenInsideTheScreen) {
  Start();
  OpenChartAndStrip();

  TheMainWindow()->findChild<QAction*>("mnuWheelsSingleNatal")->trigger();
  WheelsWindow* wheel = TheWheelsWindow();
  ExpectOnDesktop(wheel, "wheel");
  const QSize designed(PixelsFromTwipsX(App().flags.screen.WheelWinWidth),
                       PixelsFromTwipsY(App().flags.screen.WheelWinHeight));
  if (designed.height() + 60 < Area().height()) {
    EXPECT_EQ(wheel->size(), designed) << "room enough: the wheel keeps its size";
  } else {
    EXPECT_LT(wheel->height(), designed.height()) << "made smaller to fit";
    EXPECT_NEAR(double(wheel->width()) / wheel->height(), double(designed.width()) / designed.height(), 0.01)
        << "in proportion";
  }

  wheel->mnuKeywords_Click();
  ExpectOnDesktop(TheKeywordsWindow(), "Keywords");

  TheMainWindow()->findChild<QAction*>("mnuDataTransits")->trigger();
  ExpectOnDesktop(TheDiurOpt(), "Transits by the Minute");
  TheDiurOpt()->cmdQuit_Click();
  TheMainWindow()->findChild<QAction*>("mnuDataTransits")->trigger();
  ExpectOnDesktop(TheDiurOpt(), "Transits by the Minute, reopened");
}

// The boxes and dialogs that commands open over the windows: wide enough
// for their title, which the window manager would cut short otherwise, and
// inside the screen below the main window's frame, even where the window
// they are centred over stands right under the menu bar (the Data window).
TEST_F(DesktopTest, DialogsShowTheirWholeTitleBelowTheMenuBar) {
  Start();
  InputD().findChild<QPushButton*>("cmdOK")->click();
  // A page with the More menu of the dated listing.
  TheMainWindow()->findChild<QAction*>("mnuDataTransitInterpretations")->trigger();
  App().services.messages = nullptr;  // the real boxes
  const auto dataItem = [](const char* name) {
    return [name] { CurrentDataWindow()->findChild<QAction*>(name)->trigger(); };
  };
  const struct {
    const char* name;
    std::function<void()> open;
    bool overData;  // a dialog of the Data window, centred across it
  } rows[] = {
      {"TableOfHousesBox", [] { TheMainWindow()->findChild<QAction*>("mnuDataListTransits")->trigger(); }, false},
      {"NewTransitDate", dataItem("mnuMoreNewDate"), true},
      {"SaveAs", dataItem("mnuFileSaveAs"), true},
  };
  for (const auto& row : rows) {
    QRect frame;
    int wanted = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!box || !Placed(box)) return;
      frame = Frame(box);
      wanted = TitleBarFitWidth(box->windowTitle(), *box);
      Shoot(row.name);
      box->reject();  // a cancelled box ends the command
    });
    poll.start(20);
    {
      testing::LoopWatchdog watchdog(std::string(row.name) + " placed on the desktop", 15);
      row.open();
    }
    ASSERT_GT(wanted, 0) << row.name << ": no box";
    EXPECT_GE(frame.width(), wanted) << row.name;
    EXPECT_TRUE(Area().contains(frame)) << row.name << " " << Text(frame);
    EXPECT_GT(frame.top(), Frame(TheMainWindow()).bottom())
        << row.name << " " << Text(frame) << " covers the main window " << Text(Frame(TheMainWindow()));
    if (row.overData) {
      EXPECT_NEAR(frame.center().x(), Frame(CurrentDataWindow()).center().x(), 2) << row.name;
    }
  }
}

// A Data window made as large as the screen leaves no free place for the
// strip, which then opens where the Data window's title and menus stay in
// sight.
TEST_F(DesktopTest, TheStripLeavesALargeDataWindowsMenusInSight) {
  Start("DataHeight= 30000\r\nDataWidth= 30000\r\n");
  OpenChartAndStrip();
}

// Places recorded in the INI file for a larger screen: the main window and
// the strip come back inside this one.
TEST_F(DesktopTest, IniPlacesOffTheScreenAreMovedInside) {
  const std::string far = std::to_string(TwipsFromPixelsX(Area().width() + 500));
  Start("OrvaneTop=-3000\r\nOrvaneLeft= " + far + "\r\nAstrLineTop= 40000\r\nAstrLineLeft=-" + far +
        "\r\nAstrLineWidth= 60000\r\n");
  EXPECT_TRUE(Area().contains(Frame(TheMainWindow()))) << Text(Frame(TheMainWindow()));
  ExpectOnDesktop(&InputD(), "natal input");
  TheMainWindow()->findChild<QAction*>("mnuAstrline")->trigger();
  ExpectOnDesktop(TheVoruvEdudWindow(), "VoruvEdud");
}

// The close button of the "% Completed" window's frame cancels the listing,
// as its Cancel button does, while the listing reports its progress.
TEST_F(DesktopTest, TheProgressWindowsCloseButtonCancels) {
  Start();
  bool cancelled = false;
  StatusDlg* progress = ShowStatusDlg();
  progress->OfferCancel([&cancelled] { cancelled = true; });
  ASSERT_TRUE(WaitUntil([progress] { return Placed(progress); }));
  const QRect frame = Frame(progress);
  const int title = progress->geometry().top() - frame.top();
  // openbox puts the close button at the right end of the title bar
  ASSERT_TRUE(Xdotool({"mousemove", QString::number(frame.right() - title / 2), QString::number(frame.top() + title / 2),
                       "click", "1"}));
  long done = 0;
  EXPECT_TRUE(WaitUntil([&] {
    ReportCancellableListingProgress(++done % 100, 100);
    return cancelled;
  })) << "still listing";
  EXPECT_TRUE(progress->isVisible()) << "the listing removes the window when it has stopped";
  UnloadStatusDlg();
}

}  // namespace
}  // namespace halcyra
