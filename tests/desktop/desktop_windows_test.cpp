// The program's windows on a desktop with a window manager (openbox on a
// private X server, tests/desktop/run_on_desktop.sh), where their frames
// are real: every window opens with its whole frame inside the screen's
// available area and below the main window's frame (above it when the main
// window stands low), the wheel fits, the main window's menus stay in reach
// wherever it is dragged, the strip keeps its place, and the window
// manager's close button cancels a listing. With HALCYRA_DESKTOP_SHOTS set
// to a folder, each test leaves a screenshot there.
#include <QAbstractScrollArea>
#include <QDialog>
#include <QGuiApplication>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>

#include "app/startup.h"
#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/geograph_window.h"
#include "chart_input/ui/input_windows.h"
#include "chart_input/ui/names_window.h"
#include "chart_input/ui/time_zone_window.h"
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

// When a wait on the desktop counts as hung. The watchdog only ends a hang,
// so it leaves room for the sanitized build on a loaded machine, many times
// slower than the plain one with the window manager and X server it waits on.
constexpr int HangSeconds = 60;

// Handles events until `done` holds; the shared watchdog fails a wait that
// hangs.
bool WaitUntil(const std::function<bool()>& done) {
  testing::LoopWatchdog watchdog("a wait on the desktop", HangSeconds);
  QTimer wake;  // `done` may read the X server, which sends no event for it
  wake.start(10);
  while (!done()) {
    if (watchdog.Fired()) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

// What a tool printed, once it has ended; nothing when it failed.
std::optional<QString> ToolOutput(const QString& program, const QStringList& arguments) {
  QProcess tool;
  tool.start(program, arguments);
  if (!WaitUntil([&tool] { return tool.state() == QProcess::NotRunning; })) return std::nullopt;
  if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) return std::nullopt;
  return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

// Whether the X server shows the window's client mapped where Qt has it.
// Qt takes a move as done when it asks for it, and the window manager may
// not have carried it out yet: a click sent then lands on the old place.
bool MappedWhereQtHasIt(const QWidget* window) {
  const auto info = ToolOutput("xwininfo", {"-id", QString::number(window->winId())});
  if (!info || !info->contains("Map State: IsViewable")) return false;
  const auto number = [&info](const char* name) {
    return QRegularExpression(QString("%1:\\s*(-?\\d+)").arg(name)).match(*info).captured(1).toInt();
  };
  return QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"), number("Height")) ==
         window->geometry();
}

// A window the window manager has framed and the program has placed for
// good, as Qt knows it.
bool Placed(const QWidget* window) {
  return window && window->isVisible() && KnownFrameMargins(*window) && WindowPlacementSettled(*window);
}

// The program's windows on view, dialogs included (no menus or tooltips).
std::vector<const QWidget*> ShownWindows() {
  std::vector<const QWidget*> shown;
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = window->windowType();
    if (window->isVisible() && (type == Qt::Window || type == Qt::Dialog)) shown.push_back(window);
  }
  return shown;
}

// Every shown window mapped where Qt has it, so that a click through the X
// server goes where the test aims it.
bool AllMappedWhereQtHasThem() {
  const std::vector<const QWidget*> shown = ShownWindows();
  return std::all_of(shown.begin(), shown.end(), MappedWhereQtHasIt);
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

// The frame's title bar, with the buttons the window manager puts there.
QRect TitleBar(const QWidget* window) {
  return {Frame(window).topLeft(), QPoint(Frame(window).right(), window->geometry().top() - 1)};
}

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
      testing::LoopWatchdog watchdog("start-up", HangSeconds);
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

  // The window has a real frame, whole inside the screen and clear of the
  // main window's frame, wherever that stands.
  void ExpectBesideMainWindow(const QWidget* window, const char* name) {
    ASSERT_TRUE(WaitUntil([window] { return Placed(window); })) << name << ": " << FrameState(window);
    const QRect frame = Frame(window);
    EXPECT_TRUE(Area().contains(frame)) << name << " " << Text(frame) << " leaves the screen " << Text(Area());
    EXPECT_FALSE(frame.intersects(Frame(TheMainWindow())))
        << name << " " << Text(frame) << " covers the main window " << Text(Frame(TheMainWindow()));
  }

  // Moves the main window's frame to `corner` through the window manager,
  // as the user's drag does.
  void DragMainWindowTo(QPoint corner) { DragTo(TheMainWindow(), corner); }

  void DragTo(QWidget* window, QPoint corner) {
    const QPoint client = corner + (window->geometry().topLeft() - Frame(window).topLeft());
    ASSERT_TRUE(Xdotool({"windowmove", QString::number(window->winId()), QString::number(client.x()),
                         QString::number(client.y())}));
    // the widget learns of the move after the native window does
    ASSERT_TRUE(WaitUntil([window, corner] {
      return Frame(window).topLeft() == corner && ExpectedFrame(*window).topLeft() == corner;
    })) << Text(Frame(window));
  }

  // Where the user drags the main window: "middle" halfway down the screen,
  // "middle_high" 300 pixels down, or to the bottom, right or bottom right
  // edge.
  QPoint MainWindowPlace(const std::string& where) {
    const QSize main = Frame(TheMainWindow()).size();
    const int right = Area().right() + 1 - main.width(), bottom = Area().bottom() + 1 - main.height();
    if (where == "middle") return {Area().left() + 300, Area().top() + (Area().height() - main.height()) / 2};
    if (where == "middle_high") return {Area().left() + 300, Area().top() + 300};
    return {where == "bottom" ? Area().left() : right, where == "right" ? Area().top() : bottom};
  }

  // Every window on view has its real frame, whole inside the screen.
  void ExpectEveryWindowOnTheScreen(const std::string& after) {
    for (const QWidget* window : ShownWindows()) {
      const std::string name = window->objectName().toStdString() + " after " + after;
      ASSERT_TRUE(WaitUntil([window] { return Placed(window); })) << name << ": " << FrameState(window);
      EXPECT_TRUE(Area().contains(Frame(window))) << name << " " << Text(Frame(window)) << " leaves the screen";
    }
  }

  // Where the INI file the last exit wrote puts the strip's frame.
  QPoint StripPlaceInIni() const {
    QPoint place(-1, -1);
    for (const std::string& line : ReadTextLines(dir + "/Orvane.INI").value_or(std::vector<std::string>{})) {
      const auto value = [&line] { return std::stod(line.substr(line.find('=') + 1)); };
      if (line.rfind("AstrLineLeft=", 0) == 0) place.setX(PixelsFromTwipsX(value()));
      if (line.rfind("AstrLineTop=", 0) == 0) place.setY(PixelsFromTwipsY(value()));
    }
    return place;
  }

  // The windows of a chart a user opens from the main window: each shown
  // beside the main window, whose Data menu still opens to a click.
  void OpenTheChartWindows() {
    const auto command = [](const char* name) { TheMainWindow()->findChild<QAction*>(name)->trigger(); };
    command("mnuWheelsSingleNatal");
    ExpectBesideMainWindow(TheWheelsWindow(), "the F9 wheel");
    command("mnuWheelsDualNatTran");
    ExpectBesideMainWindow(TheWheelsWindow(), "the F11 wheel");
    command("mnuAstrline");
    ExpectBesideMainWindow(TheVoruvEdudWindow(), "VoruvEdud");
    TheWheelsWindow()->mnuKeywords_Click();
    ExpectBesideMainWindow(TheKeywordsWindow(), "Keywords");
    command("mnuDataTransits");
    ExpectBesideMainWindow(TheDiurOpt(), "Transits by the Minute");
    ExpectDataMenuOpensToAClick();
  }

  // A click on the main window's Data menu, through the X server, opens it:
  // no window covers the menu bar.
  void ExpectDataMenuOpensToAClick() {
    MainWindow* main = TheMainWindow();
    const QMenuBar* bar = main->menuBar();
    ASSERT_TRUE(WaitUntil(AllMappedWhereQtHasThem)) << "windows still moving";
    const QPoint spot = bar->mapToGlobal(bar->actionGeometry(main->dataMenu->menuAction()).center());
    ASSERT_TRUE(Xdotool({"mousemove", QString::number(spot.x()), QString::number(spot.y()), "click", "1"}));
    EXPECT_TRUE(WaitUntil([main] { return main->dataMenu->isVisible(); }))
        << "no Data menu at " << spot.x() << "," << spot.y();
    main->dataMenu->hide();
  }

  // OK pressed in the natal window: the chart's page in the Data window.
  const DataWindow* OpenChart() {
    InputD().findChild<QPushButton*>("cmdOK")->click();
    ExpectOnDesktop(CurrentDataWindow(), "Data");
    return CurrentDataWindow();
  }

  // A chart, then VoruvEdud opened: the strip keeps clear of the Data
  // window's title and menu bar.
  const DataWindow* OpenChartAndStrip() {
    const DataWindow* data = OpenChart();
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
    // a parameterised test's name holds a slash
    const QString file = QString::fromStdString(name).replace('/', '-') + "-" + size + ".png";
    QGuiApplication::primaryScreen()->grabWindow(0).save(folder + "/" + file);
  }

  // An xdotool action on the windows where they stand for Qt: one sent
  // while a move or resize Qt asked for is still on its way would undo it
  // or miss its mark.
  static bool Xdotool(const QStringList& arguments) {
    return WaitUntil(AllMappedWhereQtHasThem) && ToolOutput("xdotool", arguments).has_value();
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

// The windows of a chart, opened the way a user does after OK. The wheel
// takes the free room right of the Data window and the strip.
TEST_F(DesktopTest, ChartWindowsOpenInsideTheScreen) {
  Start();
  const DataWindow* data = OpenChartAndStrip();

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
    EXPECT_EQ(Frame(wheel).width(), Area().right() - Frame(data).right() - WindowGap) << "as wide as the free room";
  }
  for (const QWidget* other : {static_cast<const QWidget*>(data), static_cast<const QWidget*>(TheVoruvEdudWindow())})
    EXPECT_FALSE(Frame(wheel).intersects(Frame(other))) << Text(Frame(wheel)) << " over " << Text(Frame(other));

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
      testing::LoopWatchdog watchdog(std::string(row.name) + " placed on the desktop", HangSeconds);
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
  // exit keeps the place the strip was moved to, not the one it was asked for
  const QPoint placed = Frame(TheVoruvEdudWindow()).topLeft();
  TheMainWindow()->findChild<QAction*>("mnuFileExit")->trigger();
  EXPECT_EQ(StripPlaceInIni(), placed);
}

// A strip the user dragged is written at exit where it stands, and opens
// there at the next start.
TEST_F(DesktopTest, TheStripOpensWhereTheUserLeftIt) {
  Start();
  OpenChartAndStrip();
  const QSize strip = Frame(TheVoruvEdudWindow()).size();
  const QPoint corner(Area().right() + 1 - strip.width(), Area().bottom() + 1 - strip.height());
  DragTo(TheVoruvEdudWindow(), corner);
  TheMainWindow()->findChild<QAction*>("mnuFileExit")->trigger();
  EXPECT_EQ(StripPlaceInIni(), corner);

  std::ifstream written(dir + "/Orvane.INI", std::ios::binary);
  const std::string ini((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
  testing::ResetGuiTestState();
  Start(ini);
  OpenChartAndStrip();
  EXPECT_EQ(Frame(TheVoruvEdudWindow()).topLeft(), corner);
}

// An INI file written on a 2560 x 1440 screen, the main window at 1800,1200
// pixels: on this smaller screen the main window opens at its top left
// corner, not in the corner nearest that place, every window of a chart
// opens in sight, and exit keeps the new place.
TEST_F(DesktopTest, AMainWindowPlaceOfALargerScreenComesHome) {
  Start("OrvaneTop= 18000\r\nOrvaneLeft= 27000\r\n");
  EXPECT_EQ(Frame(TheMainWindow()).topLeft(), Area().topLeft()) << Text(Frame(TheMainWindow()));
  ExpectOnDesktop(&InputD(), "natal input");
  OpenChart();
  OpenTheChartWindows();

  TheMainWindow()->findChild<QAction*>("mnuFileExit")->trigger();
  const auto ini = ReadTextLines(dir + "/Orvane.INI").value_or(std::vector<std::string>{});
  ASSERT_GE(ini.size(), 6u);
  EXPECT_EQ(std::vector(ini.begin() + 4, ini.begin() + 6), (std::vector<std::string>{"OrvaneTop= 0", "OrvaneLeft= 0"}));
}

// The main window dragged low or to the right before the first chart: the
// Data window and every window of the chart open in sight beside it, the
// Data window with a page of at least 15 lines.
class DraggedMainWindowTest : public DesktopTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(DraggedMainWindowTest, WindowsOpenBesideIt) {
  Start();
  DragMainWindowTo(MainWindowPlace(GetParam()));
  InputD().findChild<QPushButton*>("cmdOK")->click();
  const DataWindow* data = CurrentDataWindow();
  ExpectBesideMainWindow(data, "Data");
  const auto* view = data->findChild<QAbstractScrollArea*>("RichText1");
  EXPECT_GE(view->viewport()->height(), 15 * view->fontMetrics().lineSpacing()) << "a page cut short";
  OpenTheChartWindows();
}

INSTANTIATE_TEST_SUITE_P(Desktop, DraggedMainWindowTest, ::testing::Values("bottom", "right", "bottom_right"));

// The main window dragged after the first chart: mid-screen, onto the Data
// window, where neither the room above it nor the room below holds every
// window, and to the screen's edges. After each command that shows or
// raises a window every window lies inside the screen and no window hides
// the Data menu.
class MovedMainWindowTest : public DesktopTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MovedMainWindowTest, NoCommandHidesItsMenus) {
  Start();
  OpenChart();
  DragMainWindowTo(MainWindowPlace(GetParam()));
  const auto item = [](const char* name) { return [name] { TheMainWindow()->findChild<QAction*>(name)->trigger(); }; };
  const struct {
    const char* name;
    std::function<void()> run;
  } commands[] = {
      {"F2", item("mnuDataNatalData")},
      {"Help", item("mnuHelpOrvane")},
      {"F9", item("mnuWheelsSingleNatal")},
      {"ASCII", [] { TheWheelsWindow()->findChild<QAction*>("mnuAsciiChart")->trigger(); }},
      {"PrintPage", [] { CurrentDataWindow()->findChild<QAction*>("mnuPrint")->trigger(); }},
      {"Cities", [] { InputD().findChild<QPushButton*>("cmdCities")->click(); }},
      {"Zones", [] { InputD().findChild<QPushButton*>("cmdZones")->click(); }},
      {"F9again", item("mnuWheelsSingleNatal")},
  };
  for (const auto& command : commands) {
    command.run();
    ExpectEveryWindowOnTheScreen(command.name);
    Shoot(std::string("NoCommandHidesItsMenus-") + GetParam() + "-" + command.name);
    ExpectDataMenuOpensToAClick();
  }
}

INSTANTIATE_TEST_SUITE_P(Desktop, MovedMainWindowTest,
                         ::testing::Values("middle", "middle_high", "bottom", "right", "bottom_right"));

// Help before the first chart opens the Data window clear of the input
// windows; once the chart has closed those, the Data window and Transits by
// the Minute after it stand where they open for a chart without Help, with
// the main window at the top or mid-screen.
class HelpBeforeTheChartTest : public DesktopTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(HelpBeforeTheChartTest, TheChartsWindowsOpenAsWithoutHelp) {
  Start();
  if (std::string(GetParam()) != "top") DragMainWindowTo(MainWindowPlace(GetParam()));
  const auto openTransits = [this] {
    TheMainWindow()->findChild<QAction*>("mnuDataTransits")->trigger();
    ExpectBesideMainWindow(TheDiurOpt(), "Transits by the Minute");
    return Frame(TheDiurOpt());
  };
  TheMainWindow()->findChild<QAction*>("mnuHelpOrvane")->trigger();
  ExpectBesideMainWindow(CurrentDataWindow(), "Data for Help");
  InputD().findChild<QPushButton*>("cmdOK")->click();
  ExpectBesideMainWindow(CurrentDataWindow(), "Data for the chart");
  const QRect data = Frame(CurrentDataWindow()), transits = openTransits();
  Shoot(std::string("HelpBeforeTheChart-") + GetParam());
  ExpectDataMenuOpensToAClick();

  // The same windows opened afresh for the chart.
  TheDiurOpt()->cmdQuit_Click();
  UnloadDataWindow();
  TheMainWindow()->findChild<QAction*>("mnuDataNatalData")->trigger();
  ExpectBesideMainWindow(CurrentDataWindow(), "Data opened afresh");
  EXPECT_EQ(Text(data), Text(Frame(CurrentDataWindow())));
  EXPECT_EQ(Text(transits), Text(openTransits()));
}

INSTANTIATE_TEST_SUITE_P(Desktop, HelpBeforeTheChartTest, ::testing::Values("top", "middle_high"));

// Help before the first chart opens the Data window clear of the input
// windows' title bars.
TEST_F(DesktopTest, HelpLeavesTheInputWindowsTitleBarsInSight) {
  Start();
  TheMainWindow()->findChild<QAction*>("mnuHelpOrvane")->trigger();
  const DataWindow* data = CurrentDataWindow();
  ExpectOnDesktop(data, "Data");
  for (const QWidget* input : {static_cast<const QWidget*>(&InputD()), static_cast<const QWidget*>(&Names()),
                               static_cast<const QWidget*>(&InputD1())})
    EXPECT_FALSE(Frame(data).intersects(TitleBar(input)))
        << input->objectName().toStdString() << " " << Text(TitleBar(input)) << " under " << Text(Frame(data));
}

// The options of the minute listing, taller than a 768-pixel screen leaves
// below the main window, are made shorter to fit there, clear of the title
// bars and their buttons of the Data window and the strip.
TEST_F(DesktopTest, TheMinuteListingOptionsFitBelowTheMainWindow) {
  Start();
  const DataWindow* data = OpenChartAndStrip();
  TheMainWindow()->findChild<QAction*>("mnuDataTransits")->trigger();
  ExpectOnDesktop(TheDiurOpt(), "Transits by the Minute");
  for (const QWidget* window : {static_cast<const QWidget*>(data), static_cast<const QWidget*>(TheVoruvEdudWindow())})
    EXPECT_FALSE(Frame(TheDiurOpt()).intersects(TitleBar(window))) << Text(Frame(TheDiurOpt()));
}

// After Input with the windows of a chart open, Cities... and Zones... open
// their lists where the natal input window, whose boxes they fill, stays in
// sight.
TEST_F(DesktopTest, TheListsLeaveTheirInputWindowInSight) {
  Start();
  OpenChart();
  TheMainWindow()->findChild<QAction*>("mnuWheelsSingleNatal")->trigger();
  TheWheelsWindow()->mnuKeywords_Click();
  TheMainWindow()->findChild<QAction*>("mnuDataTransits")->trigger();
  TheMainWindow()->findChild<QAction*>("mnuInputData")->trigger();
  ExpectOnDesktop(&InputD(), "natal input");
  const std::pair<const char*, std::function<QWidget*()>> lists[] = {{"cmdZones", [] { return &TimeZone(); }},
                                                                    {"cmdCities", [] { return &Geograph(); }}};
  for (const auto& [button, list] : lists) {
    InputD().findChild<QPushButton*>(button)->click();
    ExpectOnDesktop(list(), button);
    EXPECT_FALSE(Frame(list()).intersects(Frame(&InputD()))) << button << " " << Text(Frame(list()));
    list()->close();
  }
}

// The close button of the "% Completed" window's frame cancels the listing,
// as its Cancel button does, while the listing reports its progress.
TEST_F(DesktopTest, TheProgressWindowsCloseButtonCancels) {
  Start();
  bool cancelled = false;
  StatusDlg* progress = ShowCancellableStatusDlg([&cancelled] { cancelled = true; });
  ASSERT_TRUE(WaitUntil([progress] { return Placed(progress) && MappedWhereQtHasIt(progress); }))
      << FrameState(progress);
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
