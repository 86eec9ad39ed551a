// Start-up to the main window, File > Exit writing Orvane.INI, the fatal
// start-up route, and the chart command behind the input windows, offscreen
// on a copy of the staged program folder.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>

#include "chart_input/input_checks.h"
#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "chart_input/ui/names_window.h"
#include "core/chart_driver.h"
#include "gui_test_support.h"
#include "platform/date_settings.h"
#include "platform/gui/busy_pointer.h"
#include "platform/gui/twips.h"
#include "platform/text_files.h"
#include "shell/ui/calculate_chart.h"
#include "shell/ui/main_window.h"
#include "shell/ui/startup.h"
#include "state/app_state.h"

namespace halcyra {
namespace {

namespace fs = std::filesystem;

class StartupTest : public testing::GuiTest {
 protected:
  // Start-up with "Continue" pressed as soon as the title shows it.
  int Start(const std::string& folder) {
    StartupSettings settings;
    settings.appPath = folder;
    settings.titleShown = [this](QWidget& title) {
      auto* ok = title.findChild<QPushButton*>("cmdOK");
      titleButtonShown = ok->isVisible() && ok->text() == "Continue";
      ok->click();
    };
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
  SetDateSettingsOverride(DateSettings{1, 1});
  const std::string dir = testing::CopyOfProgramFolder("startup-first-run");
  ASSERT_EQ(Start(dir), 0);
  EXPECT_TRUE(titleButtonShown);
  MainWindow* window = TheMainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(BusyPointerShown());
  EXPECT_FALSE(window->timer1->isActive());
  // Until the first chart only File, VoruvEdud and Help show.
  EXPECT_EQ(VisibleMenus(), (QStringList{"mnuFile", "mnuAstrline", "mnuHelp"}));
  EXPECT_EQ(App().options.OptionValues[19], 87);  // the shipped option file was read
  EXPECT_EQ(App().flags.ReportHeading, "Halcyra (Tropical zodiac) - ");
  EXPECT_EQ(App().flags.DateFormat, 1);
  EXPECT_TRUE(fs::is_directory(dir + "/REPORTS"));

  // The height snaps back to a bare menu bar whatever is asked.
  const int snapped = window->height();
  window->resize(window->width(), snapped + 300);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->height(), snapped);

  Exit();
  EXPECT_EQ(TheMainWindow(), nullptr);
  EXPECT_EQ(ReadWholeFile(dir + "/Orvane.INI").value_or("(no file)"),
            "[Orvane] - Do NOT change the order of these variables.\r\n"
            "FontSize= 10\r\nFontBold= 0\r\nFontItalic= 0\r\n"
            "OrvaneTop= 0\r\nOrvaneLeft= 0\r\nOrvaneHeight= 675\r\nOrvaneWidth= 8550\r\n"
            "DataTop= 660\r\nDataLeft= 0\r\nDataHeight= 6540\r\nDataWidth= 9600\r\n"
            "AstrLineTop= 680\r\nAstrLineLeft= 0\r\nAstrLineWidth= 9600\r\n"
            "DataFile=" + dir + "/NAMES.FIL\r\nGeoDataFile=" + dir + "/GA_MA.LL\r\n"
            "StartScale= 287\r\nTypeChart= 0\r\n"
            "Geo_Opts=111111111111111100001001111110000000000000111111111111111100001001111110000000000000\r\n");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StartupTest, TheIniPlacesTheMainWindowAndComesBackAtExit) {
  const std::string dir = testing::CopyOfProgramFolder("startup-ini");
  std::ofstream(dir + "/Orvane.INI", std::ios::binary)
      << "OrvaneTop= 1500\r\nOrvaneLeft= 3000\r\nOrvaneHeight= 4000\r\nOrvaneWidth= 9000\r\n"
         "AtlasDir=/opt/atlas\r\nTypeChart= 1\r\n";
  ASSERT_EQ(Start(dir), 0);
  EXPECT_EQ(TheMainWindow()->pos(), QPoint(PixelsFromTwipsX(3000), PixelsFromTwipsY(1500)));
  EXPECT_EQ(App().ini.EuropeanChart, 1);
  Exit();
  const auto lines = ReadTextLines(dir + "/Orvane.INI").value_or(std::vector<std::string>(21));
  ASSERT_EQ(lines.size(), 21u);  // the AtlasDir line is written
  const std::vector<std::string> placed(lines.begin() + 4, lines.begin() + 8);
  EXPECT_EQ(placed, (std::vector<std::string>{"OrvaneTop= 1500", "OrvaneLeft= 3000", "OrvaneHeight= 675",
                                              "OrvaneWidth= 9000"}));
  EXPECT_EQ(lines[17], "AtlasDir=/opt/atlas");
  EXPECT_EQ(lines[19], "TypeChart= 1");
}

TEST_F(StartupTest, FaultyFilesEndTheProgramWithAnErrorNamingThem) {
  // what goes wrong, the file the error must name
  const struct {
    std::function<void(const std::string&)> spoil;
    const char* file;
  } cases[] = {
      {[](const std::string& dir) { fs::remove(dir + "/OPTIONS.OPT"); }, "OPTIONS.OPT"},
      {[](const std::string& dir) { std::ofstream(dir + "/ALMUTD1.DAT", std::ios::binary) << "1\r\n2\r\nthree\r\n"; },
       "ALMUTD1.DAT"},
  };
  for (const auto& c : cases) {
    messages.shown.clear();
    const std::string dir = testing::CopyOfProgramFolder(std::string("startup-fatal-") + c.file);
    c.spoil(dir);
    StartupSettings settings;
    settings.appPath = dir;
    settings.titleShown = [](QWidget&) { ADD_FAILURE() << "the title must not show"; };
    EXPECT_EQ(StartHalcyra(settings), 1) << c.file;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(TheMainWindow(), nullptr) << c.file;
    ASSERT_EQ(messages.shown.size(), 1u) << c.file;
    EXPECT_EQ(messages.shown[0].title, "Error!");
    EXPECT_NE(messages.shown[0].text.find(c.file), std::string::npos) << messages.shown[0].text;
    EXPECT_FALSE(fs::exists(dir + "/Orvane.INI")) << c.file;
  }
}

TEST_F(StartupTest, AnUnwritableIniIsReportedAndTheProgramStillEnds) {
  const std::string dir = testing::CopyOfProgramFolder("startup-unwritable");
  ASSERT_EQ(Start(dir), 0);
  fs::create_directories(dir + "/Orvane.INI");  // a folder where the file must go
  Exit();
  EXPECT_EQ(TheMainWindow(), nullptr);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Error!");
  EXPECT_NE(messages.shown[0].text.find("Orvane.INI"), std::string::npos);
}

// The chart command after start-up, with the natal chart of 14 July 1975,
// 3.25 P.M., zone 5, 73 59 W 40 45 N and transits of 1 March 2024, 10.00 A.M.,
// zone 0, 0 07 W 51 30 N.
class CalculateChartTest : public StartupTest {
 protected:
  void SetUp() override {
    SetDateSettingsOverride(DateSettings{0, 0});
    dir = testing::CopyOfProgramFolder("calculate-chart");
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
  EXPECT_NEAR(state.chart.natal.NatalLong[Sun], 111.7734, 0.02);
  EXPECT_NEAR(state.chart.transit.TransitLong[Sun], 341.3076, 0.02);
  EXPECT_FALSE(InputD().isVisible() || InputD1().isVisible() || Names().isVisible());
  EXPECT_EQ(VisibleMenus().size(), 7);
  EXPECT_EQ(state.chart.MoreMenuVisible, 0);
  EXPECT_TRUE(TheMainWindow()->timer1->isActive());
  // The automatic report begins with the chart header, on the page and in the last-page file.
  const std::vector<std::string> page = testing::LastPageLines();
  ASSERT_GE(page.size(), 3u);
  EXPECT_EQ(std::vector(page.begin(), page.begin() + 2), (std::vector<std::string>{"", "  Test Person"}));
  EXPECT_EQ(page[2].substr(0, 13), "  14 Jul 1975");
  EXPECT_EQ(state.report.PageLines[1], "  Test Person");
}

// Input that fails a check, and a Meridian chart at the pole whose angles
// fail, show their message and change nothing: no chart, the windows and
// menus as they were, the timer off.
TEST_F(CalculateChartTest, RefusedInputChangesNothing) {
  const struct {
    const char* house;
    std::function<void()> spoil;
    const char* message;
  } cases[] = {
      {"P", [] { InputD().Box("txtMonth")->setText("13"); }, NatalInputErrorText},
      {"M", [] { InputD().WritePlace({"5", "73", "59", "90", "00", false, false}); }, ChartPlaceTooHighText},
  };
  for (const auto& c : cases) {
    messages.shown.clear();
    App().options.HouseSystem = c.house;
    c.spoil();
    const AppState before = App();
    CalculateChart();
    ASSERT_EQ(messages.shown.size(), 1u) << c.message;
    EXPECT_EQ(messages.shown[0].text, c.message);
    EXPECT_EQ(messages.shown[0].title, "Warning!");
    EXPECT_EQ(App().input.NatalYearInt, before.input.NatalYearInt) << c.message;
    EXPECT_EQ(App().input.NatalGeoLat, before.input.NatalGeoLat) << c.message;
    EXPECT_EQ(App().chart.natal.NatalLong, before.chart.natal.NatalLong) << c.message;
    EXPECT_EQ(App().chart.ChartName, "");
    EXPECT_EQ(App().report.PageLines, before.report.PageLines) << c.message;
    EXPECT_EQ(App().report.DataLines, before.report.DataLines) << c.message;
    EXPECT_TRUE(InputD().isVisible() && InputD1().isVisible()) << c.message;
    EXPECT_EQ(VisibleMenus(), (QStringList{"mnuFile", "mnuAstrline", "mnuHelp"})) << c.message;
    EXPECT_FALSE(TheMainWindow()->timer1->isActive()) << c.message;
    InputD().WritePlace({"5", "73", "59", "40", "45", false, false});
    InputD().Box("txtMonth")->setText("7");
  }
}

}  // namespace
}  // namespace halcyra
