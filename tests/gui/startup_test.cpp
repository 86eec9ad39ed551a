// Start-up to the main window, File > Exit writing Orvane.INI, the fatal
// start-up route and the chart command behind the input windows, offscreen
// on a copy of the staged program folder.
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QThreadPool>
#include <QTimer>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <optional>

#include "app/calculate_chart.h"
#include "app/startup.h"
#include "chart_input/input_checks.h"
#include "chart_input/input_presets.h"
#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "chart_input/ui/names_window.h"
#include "core/chart_driver.h"
#include "gui_test_support.h"
#include "platform/gui/busy_pointer.h"
#include "platform/gui/twips.h"
#include "shell/ui/startup_windows.h"
#include "wheels/picture_file.h"
#include "support/file_faults.h"
#include "wheels/ui/voruv_edud_window.h"

namespace halcyra {
namespace {

namespace fs = std::filesystem;

class StartupTest : public testing::GuiTest {
 protected:
  // Start-up with Enter pressed as soon as the title shows "Continue", in
  // the window's focus or, without one, in the window itself.
  int Start(const std::string& folder) {
    StartupSettings settings;
    settings.appPath = folder;
    settings.titleShown = [this](QWidget& title) {
      auto* ok = title.findChild<QPushButton*>("cmdOK");
      titleButtonShown = ok->isVisible() && ok->text() == "Continue";
      for (QWidget* target : {title.focusWidget(), &title}) {
        if (!target || App().flags.TitleDone != 0) continue;
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
      }
      if (App().flags.TitleDone == 0) {
        ADD_FAILURE() << "Enter did not press Continue";
        ok->click();
      }
    };
    testing::LoopWatchdog watchdog("start-up");
    return StartHalcyra(settings);
  }
  // File > Exit, then let the closed window go.
  static void Exit() {
    TheMainWindow()->findChild<QAction*>("mnuFileExit")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  static QStringList VisibleMenus() {
    QStringList names;
    for (QAction* action : TheMainWindow()->menuBar()->actions())
      if (action->isVisible()) names << (action->menu() ? action->menu()->objectName() : action->objectName());
    return names;
  }

  testing::RecordingSink messages;
  bool titleButtonShown = false;
};

TEST_F(StartupTest, FirstRunReachesTheMainWindowAndExitWritesTheIni) {
  App().services.ReadSystemDateFormat = [] { return SystemDateFormat{1, 1}; };
  const std::string dir = testing::ScratchProgramFolder("startup-first-run", {});
  ASSERT_EQ(Start(dir), 0);
  EXPECT_TRUE(titleButtonShown);
  MainWindow* window = TheMainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible() && !BusyPointerShown() && !window->timer1->isActive()) << "shown, idle, no timer";
  // Until the first chart only File, VoruvEdud and Help show.
  EXPECT_EQ(VisibleMenus(), (QStringList{"mnuFile", "mnuAstrline", "mnuHelp"}));
  EXPECT_EQ(App().options.OptionValues[19], 87);  // the shipped option file was read
  EXPECT_EQ(App().flags.ReportHeading, "Halcyra (Tropical zodiac) - ");
  EXPECT_TRUE(fs::is_directory(dir + "/REPORTS"));

  Exit();
  EXPECT_EQ(TheMainWindow(), nullptr);
  const auto golden = ReadTextLines(std::string(HALCYRA_TEST_DATA) + "/gui/first_run.ini");
  std::string expected;  // the golden INI with this program folder, CR LF line ends
  for (const std::string& line : golden.value())
    expected += (line.starts_with("DataFile=") || line.starts_with("GeoDataFile=")
                     ? line.substr(0, line.find('<')) + dir + line.substr(line.find('>') + 1)
                     : line) + "\r\n";
  EXPECT_EQ(ReadWholeFile(dir + "/Orvane.INI").value_or("(no file)"), expected);
  EXPECT_TRUE(messages.shown.empty());
}

// Start-up removes the converter's files that a run ended during Save
// picture left in the program folder, and nothing else: not the user's,
// nor those of another copy saving a picture just now.
TEST_F(StartupTest, StartRemovesWhatAnEndedPictureSaveLeft) {
  const std::string dir = testing::ScratchProgramFolder("startup-left-overs", {});
  const std::vector<std::string> kept = {".picture-Recent.bmp", "picture-ABCDEF.gif", ".picture-ABCDEF.gif.bak"};
  for (const std::string& name : kept) std::ofstream(dir + "/" + name) << name;
  std::ofstream(dir + "/.picture-AbCdEf.gif") << "left over";
  fs::last_write_time(dir + "/.picture-AbCdEf.gif", fs::file_time_type::clock::now() - LeftOverAge);
  ASSERT_EQ(Start(dir), 0);
  QThreadPool::globalInstance()->waitForDone();  // the removal runs beside start-up
  EXPECT_FALSE(fs::exists(dir + "/.picture-AbCdEf.gif"));
  for (const std::string& name : kept) EXPECT_TRUE(fs::exists(dir + "/" + name)) << name;
  Exit();
  EXPECT_TRUE(messages.shown.empty());
}

// Cuts the last line of a program file.
std::function<void(const std::string&)> DropLastLine(const char* file) {
  return [file](const std::string& dir) {
    auto lines = ReadTextLines(dir + "/" + file).value();
    lines.pop_back();
    WriteTextLines(dir + "/" + file, lines);
  };
}

// Enter in the title window presses "Continue" only once start-up shows it.
TEST_F(StartupTest, EnterOnTheTitleWaitsForContinue) {
  QPointer<TitleWindow> title = new TitleWindow;
  title->show();
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(title, &enter);
  EXPECT_EQ(App().flags.TitleDone, 0);
  EXPECT_TRUE(title->isVisible());
  title->cmdOK->setVisible(true);
  QCoreApplication::sendEvent(title, &enter);
  EXPECT_EQ(App().flags.TitleDone, 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(title.isNull());
}

// Puts something other than a plain file in the place of a program file.
std::function<void(const std::string&)> InPlaceOf(const char* file, void (*make)(const std::string& path)) {
  return [file, make](const std::string& dir) {
    fs::remove(dir + "/" + file);
    make(dir + "/" + file);
  };
}

TEST_F(StartupTest, FaultyFilesEndTheProgramWithAnErrorNamingThem) {
  // what goes wrong, the file the error must name, and why
  const struct {
    std::function<void(const std::string&)> spoil;
    const char* file;
    std::string why = "";
  } cases[] = {
      {[](const std::string& dir) { fs::remove(dir + "/OPTIONS.OPT"); }, "OPTIONS.OPT"},
      {[](const std::string& dir) { std::ofstream(dir + "/ALMUTD1.DAT", std::ios::binary) << "1\r\n2\r\nthree\r\n"; },
       "ALMUTD1.DAT"},
      // a home longitude no input box can hold
      {[](const std::string& dir) {
         auto lines = ReadTextLines(dir + "/OPTIONS.OPT").value();
         lines[18] = "1e30     19 Home place: longitude degrees";
         WriteTextLines(dir + "/OPTIONS.OPT", lines);
       },
       "OPTIONS.OPT, line 19"},
      // tables one value or record short of the whole table
      {DropLastLine("RADIUS.DAT"), "RADIUS.DAT: the file ends after 360 of its 361 values"},
      {DropLastLine("t-Kronos.DAT"), "t-Kronos.DAT: the file ends after 59999 of its 60000 records"},
      {DropLastLine("Lilith.dat"), "Lilith.dat: the file ends after 165 of its 166 yearly values"},
      // never opened, so that a pipe does not hold start-up nor a device feed it without end
      {InPlaceOf("HCDATA.DAT", [](const std::string& p) { mkfifo(p.c_str(), 0600); }), "HCDATA.DAT",
       "): not a file but a named pipe"},
      {InPlaceOf("ALMUTN2.DAT", [](const std::string& p) { fs::create_directory(p); }), "ALMUTN2.DAT",
       "): not a file but a folder"},
      {InPlaceOf("t-Zeus.DAT", [](const std::string& p) { fs::create_symlink("/dev/zero", p); }), "t-Zeus.DAT",
       "): not a file but a device"},
      {InPlaceOf("OPTIONS.OPT", [](const std::string& p) { fs::create_symlink(p, p); }), "OPTIONS.OPT",
       "): Too many levels of symbolic links"},
      {[](const std::string& dir) { fs::permissions(dir + "/STARS.TXT", fs::perms::none); }, "STARS.TXT",
       "): Permission denied"},
  };
  for (const auto& c : cases) {
    if (c.why.ends_with("Permission denied") && ::geteuid() == 0) continue;  // the superuser reads every file
    messages.shown.clear();
    const std::string dir = testing::ScratchProgramFolder("startup-fatal", {});
    c.spoil(dir);
    StartupSettings settings;
    settings.appPath = dir;
    // Start-up that took the file would wait for Continue: it is pressed, so that the test fails at once.
    settings.titleShown = [&c](QWidget& title) {
      ADD_FAILURE() << c.file << ": the title must not show";
      title.findChild<QPushButton*>("cmdOK")->click();
    };
    ::testing::internal::CaptureStderr();
    {
      testing::LoopWatchdog watchdog(std::string("start-up with a faulty ") + c.file);
      EXPECT_EQ(StartHalcyra(settings), 1) << c.file;
    }
    const std::string stderrText = ::testing::internal::GetCapturedStderr();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(TheMainWindow(), nullptr) << c.file;
    ASSERT_EQ(messages.shown.size(), 1u) << c.file;
    const std::string box = messages.Boxes()[0];
    EXPECT_TRUE(box.starts_with("Error!: ") && box.find(c.file) != std::string::npos) << box;
    EXPECT_TRUE(box.ends_with(c.why)) << box;
    EXPECT_NE(stderrText.find("Error! " + box.substr(8)), std::string::npos) << stderrText;
    EXPECT_FALSE(fs::exists(dir + "/Orvane.INI")) << c.file;
  }
}

// The font, the settings and the names file are not needed to start: in
// place of each something that is not a plain file is refused with a
// warning that names it and says why, and start-up goes on.
TEST_F(StartupTest, OddOptionalFilesAreRefusedWithAWarningAndStartUpGoesOn) {
  const std::string dir = testing::ScratchProgramFolder("startup-odd-files", {});
  InPlaceOf("Orvane.ttf", [](const std::string& p) { fs::create_directory(p); })(dir);
  ASSERT_EQ(mkfifo((dir + "/Orvane.INI").c_str(), 0600), 0);
  InPlaceOf("NAMES.FIL", [](const std::string& p) { fs::create_symlink("/dev/zero", p); })(dir);
  ASSERT_EQ(Start(dir), 0);
  EXPECT_NE(TheMainWindow(), nullptr);
  EXPECT_EQ(messages.Boxes(),
            (std::vector<std::string>{
                "Warning!: The font file " + dir + "/Orvane.ttf cannot be read: not a file but a folder. The glyphs "
                "are drawn in a fallback font.",
                "Warning!: The file " + dir + "/NAMES.FIL cannot be read: not a file but a device. The list is empty.",
                "Warning!: The settings file " + dir + "/Orvane.INI cannot be read: not a file but a named pipe. "
                "Window positions and paths start from their defaults."}));
  messages.shown.clear();
  Exit();
  EXPECT_TRUE(fs::is_fifo(dir + "/Orvane.INI")) << "nothing but a file is written over";
  EXPECT_EQ(messages.Boxes().size(), 1u) << "the settings cannot be kept";
}

// A folder where the file must go, or a file-size limit the INI file
// passes. The program ignores the signal such a write raises before Qt
// first writes to standard error: started under the limit with that in a
// file and no display to open, it writes there (and fails) before Qt gives
// up (SIGABRT); it is not ended by SIGXFSZ.
TEST_F(StartupTest, AnUnwritableIniIsReportedAndTheProgramStillEnds) {
#ifdef HALCYRA_PROGRAM
  const std::string copy = testing::ScratchDir("program-under-limit") + "/halcyra";  // no program folder of the user's
  fs::copy_file(HALCYRA_PROGRAM, copy);
  QProcess program;
  const QString run = "ulimit -f 0; env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb \"$0\" 2>\"$0.err\"; echo $?";
  program.start("bash", {"-c", run, QString::fromStdString(copy)});
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.readAllStandardOutput().trimmed().toInt(), 128 + SIGABRT);
#endif
  for (const bool sizeLimit : {false, true}) {
    messages.shown.clear();
    const std::string dir = testing::ScratchProgramFolder("startup-unwritable", {});
    ASSERT_EQ(Start(dir), 0);
    std::optional<testing::ScopedFileSizeLimit> limit;
    if (sizeLimit) limit.emplace(100);
    else fs::create_directories(dir + "/Orvane.INI");
    Exit();
    limit.reset();
    EXPECT_EQ(TheMainWindow(), nullptr) << "the program still ends";
    EXPECT_EQ(messages.Boxes(), std::vector<std::string>{"Error!: The settings file " + dir +
                                                          "/Orvane.INI cannot be written: " +
                                                          (sizeLimit ? "File too large" : "not a file but a folder") +
                                                          "; window positions and paths of this session are not "
                                                          "kept."});
  }
}

TEST_F(StartupTest, TheStripOpensWhereTheIniPutsItAndExitKeepsItsNewWidth) {
  const std::string dir = testing::ScratchProgramFolder("startup-strip", {});
  std::ofstream(dir + "/Orvane.INI", std::ios::binary) << "AstrLineTop= 3000\r\nAstrLineLeft= 450\r\nAstrLineWidth= 9000\r\n";
  ASSERT_EQ(Start(dir), 0);
  EXPECT_EQ(TheVoruvEdudWindow(), nullptr) << "start-up shows no strip";
  // The place would hide the transit window's title bar on this narrow
  // screen, and the strip would give way.
  HideInputWindows();
  // Before the first chart every point stands under 0 degrees.
  TheMainWindow()->findChild<QAction*>("mnuAstrline")->trigger();
  VoruvEdudWindow* strip = TheVoruvEdudWindow();
  ASSERT_TRUE(strip && strip->isVisible());
  EXPECT_EQ(std::tuple(strip->x(), strip->y(), strip->width()),
            std::tuple(PixelsFromTwipsX(450), PixelsFromTwipsY(3000), PixelsFromTwipsX(9000)));
  EXPECT_EQ(strip->CurrentLayout().rows[13], 13);

  strip->resize(700, strip->height());
  Exit();
  const auto ini = ReadTextLines(dir + "/Orvane.INI").value_or(std::vector<std::string>{});
  ASSERT_GE(ini.size(), 15u);
  EXPECT_EQ(std::vector(ini.begin() + 12, ini.begin() + 15),
            (std::vector<std::string>{"AstrLineTop= 3000", "AstrLineLeft= 450",
                                      "AstrLineWidth= " + std::to_string(700 * TwipsPerPixelX())}));
}

// The chart command after start-up, with the natal chart of 14 July 1975,
// 3.25 P.M., zone 5, 73 59 W 40 45 N and transits of 1 March 2024, 10.00 A.M.,
// zone 0, 0 07 W 51 30 N.
class CalculateChartTest : public StartupTest {
 protected:
  void SetUp() override {
    App().services.ReadSystemDateFormat = [] { return SystemDateFormat{0, 0}; };
    dir = testing::ScratchProgramFolder("calculate-chart", {});
    ASSERT_EQ(Start(dir), 0);
    App().options.HouseSystem = "P";
    InputD().SetNameText("Test Person");
    InputD().WriteMoment({"7", "14", "1975", "3", "25", true});
    InputD().WritePlace({"5", "73", "59", "40", "45", false, false});
    InputD1().WriteMoment({"3", "1", "2024", "10", "0", false});
    InputD1().WritePlace({"0", "0", "07", "51", "30", false, false});
  }
  std::string dir;
};

TEST_F(CalculateChartTest, ConfirmingTheInputComputesAndShowsTheChart) {
  InputD().findChild<QPushButton*>("cmdOK")->click();
  EXPECT_TRUE(messages.shown.empty());
  const AppState& state = App();
  EXPECT_EQ(state.chart.ChartName, "Test Person");
  EXPECT_EQ(state.chart.TransitChartName, "Transits");
  // the natal Sun at 21 Cancer 46, the transit Sun at 11 Pisces 18 (Swiss Ephemeris)
  EXPECT_NEAR(state.chart.Natal.Long[Sun], 111.7734, 0.02);
  EXPECT_NEAR(state.chart.Transit.Long[Sun], 341.3076, 0.02);
  EXPECT_FALSE(InputD().isVisible() || InputD1().isVisible() || Names().isVisible());
  EXPECT_EQ(VisibleMenus().size(), 7);
  EXPECT_EQ(state.chart.MoreMenuVisible, 0);
  EXPECT_TRUE(TheMainWindow()->timer1->isActive());
  // Each tick writes the date and the time with seconds into the caption.
  for (int second : {7, 8}) {
    App().services.ReadClock = [second] { return ClockMoment{2026, 12, 7, 14, 5, second}; };
    QMetaObject::invokeMethod(TheMainWindow()->timer1, "timeout");  // one tick
    const std::string caption = TheMainWindow()->windowTitle().toStdString();
    EXPECT_TRUE(caption.starts_with("Halcyra (Tropical zodiac) - 07 Dec 2026     ")) << caption;
    EXPECT_NE(caption.find(":05:0" + std::to_string(second)), std::string::npos) << caption;
  }
  App().services.ReadClock = nullptr;
  // The automatic report: the chart header and the horary basics, the page
  // the horary tests freeze for this chart, then the page's closing blank
  // line and its spare entry. Data > Horary Basics shows the same page.
  auto report = ReadTextLines(std::string(HALCYRA_TEST_DATA) + "/horary/automatic_report.txt").value();
  report.insert(report.end(), {"", ""});
  EXPECT_EQ(testing::LastPageLines(), report);
  TheMainWindow()->findChild<QAction*>("mnuDataNatalData")->trigger();
  QAction* horaryBasics = TheMainWindow()->findChild<QAction*>("mnuHoraryBasics");
  ASSERT_TRUE(horaryBasics->isEnabled());
  horaryBasics->trigger();
  EXPECT_EQ(testing::LastPageLines(), report);

  // VoruvEdud shows this natal chart.
  TheMainWindow()->findChild<QAction*>("mnuAstrline")->trigger();
  ASSERT_NE(TheVoruvEdudWindow(), nullptr);
  EXPECT_EQ(TheVoruvEdudWindow()->HeaderText(),
            "Test Person - natal     14 Jul 1975     3.25 P.M. (5)     73.59 WEST     40.45 NORTH     " +
                state.chart.Natal.SiderealText);
}

// Input that fails the checks of either window, and a Meridian chart at the
// pole that passes them but whose angles fail, both confirmed with OK, show
// their messages, each once, and change nothing: no chart, the buffers,
// windows and menus as they were, the timer off.
TEST_F(CalculateChartTest, RefusedInputChangesNothing) {
  const struct {
    const char* house;
    std::function<void()> spoil, confirm;
    std::vector<std::string> messages;
  } cases[] = {
      {"P", [] { InputD().Box("txtMonth")->setText("13"), InputD1().Box("txtDiurnalLatDeg")->setText("70"); },
       [] { InputD1().findChild<QPushButton*>("cmdOK")->click(); },
       {std::string("Warning!: ") + HighLatitudeText, std::string("Warning!: ") + NatalInputErrorText}},
      {"M", [] { InputD().WritePlace({"5", "73", "59", "90", "00", false, false}); },
       [] { InputD().findChild<QPushButton*>("cmdOK")->click(); }, {std::string("Warning!: ") + ChartPlaceTooHighText}},
  };
  for (const auto& c : cases) {
    messages.shown.clear();
    App().options.HouseSystem = c.house;
    c.spoil();
    App().report.DataLines.assign(7, "line");
    App().report.DataLineCount = 5;
    const AppState before = App();
    c.confirm();
    EXPECT_EQ(messages.Boxes(), c.messages);
    EXPECT_EQ(App().chart.InputError, 1) << c.house;
    EXPECT_EQ(std::tuple(App().input.Natal, App().input.NatalPlace, App().chart.ChartName),
              std::tuple(before.input.Natal, before.input.NatalPlace, "")) << c.house;
    EXPECT_EQ(App().chart.Natal.Long, before.chart.Natal.Long) << c.house;
    EXPECT_EQ(std::tuple(App().report.PageLines, App().report.DataLines, App().report.DataLineCount),
              std::tuple(before.report.PageLines, before.report.DataLines, 5)) << c.house;
    EXPECT_TRUE(InputD().isVisible() && InputD1().isVisible()) << c.house;
    EXPECT_EQ(VisibleMenus(), (QStringList{"mnuFile", "mnuAstrline", "mnuHelp"})) << c.house;
    EXPECT_FALSE(TheMainWindow()->timer1->isActive()) << c.house;
    InputD().WritePlace({"5", "73", "59", "40", "45", false, false});
    InputD().Box("txtMonth")->setText("7");
    InputD1().Box("txtDiurnalLatDeg")->setText("51");
  }
}

}  // namespace
}  // namespace halcyra
