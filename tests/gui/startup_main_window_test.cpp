// Start-up to the main window and File > Exit, offscreen, on a copy of the
// staged program folder.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "gui/startup_support.h"
#include "platform/date_settings.h"
#include "platform/gui/busy_pointer.h"
#include "platform/gui/twips.h"
#include "platform/text_files.h"
#include "shell/ui/main_window.h"
#include "shell/ui/startup.h"
#include "state/app_state.h"

namespace halcyra {
namespace {

namespace fs = std::filesystem;

class StartupTest : public testing::GuiTest {
 protected:
  void SetUp() override { SetDateSettingsOverride(DateSettings{1, 1}); }

  // Start-up with "Continue" pressed as soon as the title shows it.
  int Start(const std::string& dir) {
    StartupSettings settings;
    settings.appPath = dir;
    settings.titleShown = [this](QWidget& title) {
      auto* ok = title.findChild<QPushButton*>("cmdOK");
      ASSERT_NE(ok, nullptr);
      titleButtonShown = ok->isVisible() && ok->text() == "Continue";
      ok->click();
    };
    return StartHalcyra(settings);
  }

  // File > Exit, then let the closed window go.
  void Exit() {
    QAction* exitItem = TheMainWindow()->findChild<QAction*>("mnuFileExit");
    ASSERT_NE(exitItem, nullptr);
    exitItem->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  static QStringList MenuBarNames(bool visibleOnly) {
    QStringList names;
    for (QAction* action : TheMainWindow()->menuBar()->actions()) {
      if (visibleOnly && !action->isVisible()) continue;
      names << (action->menu() ? action->menu()->objectName() : action->objectName());
    }
    return names;
  }

  bool titleButtonShown = false;
};

TEST_F(StartupTest, FirstRunReachesTheMainWindowAndExitWritesTheIni) {
  testing::StartupMessages messages;
  const std::string dir = testing::CopyOfProgramFolder("startup-first-run");
  ASSERT_EQ(Start(dir), 0);
  EXPECT_TRUE(titleButtonShown);

  MainWindow* window = TheMainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->objectName(), "Orvane");
  EXPECT_FALSE(BusyPointerShown());
  EXPECT_FALSE(window->timer1->isActive());

  // Until the first chart only File, VoruvEdud and Help show.
  EXPECT_EQ(MenuBarNames(true), (QStringList{"mnuFile", "mnuAstrline", "mnuHelp"}));
  const QStringList all = MenuBarNames(false);
  ASSERT_EQ(all.size(), 7);
  EXPECT_EQ(all[0], "mnuFile");
  EXPECT_TRUE(all[1].startsWith("mnuInput")) << all[1].toStdString();
  EXPECT_EQ(all.mid(2), (QStringList{"mnuRidurIziva", "mnuData", "mnuAstrline", "mnuWheels", "mnuHelp"}));

  const AppState& state = App();
  EXPECT_EQ(state.options.OptionValues[19], 87);  // the shipped option file was read
  EXPECT_EQ(state.options.HouseSystem, "P");
  EXPECT_EQ(state.flags.ReportHeading, "Halcyra (Tropical zodiac) - ");
  EXPECT_EQ(state.flags.DateFormat, 1);
  EXPECT_EQ(state.flags.Use24Hour, 1);
  EXPECT_EQ(state.flags.TitleDone, 1);
  EXPECT_EQ(state.flags.NamesDirty, 1);
  EXPECT_EQ(state.chart.work.HouseTags.substr(130, 20), "---- --------- -----");
  EXPECT_EQ(state.chart.work.RetroFlags, std::string(31, ' '));
  EXPECT_EQ(fs::path(state.options.OrbFileName).filename(), "NATAL.ORB");
  EXPECT_EQ(state.flags.screen.ScreenClassWidth,
            ChooseScreenClass(ScreenWidthPixels(), TwipsPerPixelX()).ScreenClassWidth);
  EXPECT_TRUE(fs::is_directory(dir + "/REPORTS"));

  // The height snaps back to a bare menu bar whatever is asked.
  const int snapped = window->height();
  window->resize(window->width(), snapped + 300);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->height(), snapped);

  Exit();
  EXPECT_EQ(TheMainWindow(), nullptr);
  const std::string expected =
      "[Orvane] - Do NOT change the order of these variables.\r\n"
      "FontSize= 10\r\nFontBold= 0\r\nFontItalic= 0\r\n"
      "OrvaneTop= 0\r\nOrvaneLeft= 0\r\nOrvaneHeight= 675\r\nOrvaneWidth= 8550\r\n"
      "DataTop= 660\r\nDataLeft= 0\r\nDataHeight= 6540\r\nDataWidth= 9600\r\n"
      "AstrLineTop= 680\r\nAstrLineLeft= 0\r\nAstrLineWidth= 9600\r\n"
      "DataFile=" + dir + "/NAMES.FIL\r\n"
      "GeoDataFile=" + dir + "/GA_MA.LL\r\n"
      "StartScale= 287\r\nTypeChart= 0\r\n"
      "Geo_Opts=111111111111111100001001111110000000000000111111111111111100001001111110000000000000\r\n";
  EXPECT_EQ(ReadWholeFile(dir + "/Orvane.INI").value_or("(no file)"), expected);
  for (const auto& m : messages.shown) ADD_FAILURE() << "unexpected message: " << m.title << " " << m.text;
}

TEST_F(StartupTest, TheIniPlacesTheMainWindowAndTheHeightStaysABareMenuBar) {
  testing::StartupMessages messages;
  const std::string dir = testing::CopyOfProgramFolder("startup-ini");
  std::ofstream(dir + "/Orvane.INI", std::ios::binary)
      << "OrvaneTop= 1500\r\nOrvaneLeft= 3000\r\nOrvaneHeight= 4000\r\nOrvaneWidth= 9000\r\n"
         "AtlasDir=/opt/atlas\r\nTypeChart= 1\r\n";
  ASSERT_EQ(Start(dir), 0);
  MainWindow* window = TheMainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->pos(), QPoint(PixelsFromTwipsX(3000), PixelsFromTwipsY(1500)));
  EXPECT_EQ(App().ini.EuropeanChart, 1);
  Exit();
  const auto lines = ReadTextLines(dir + "/Orvane.INI");
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 21u);  // the AtlasDir line is written
  EXPECT_EQ((*lines)[4], "OrvaneTop= 1500");
  EXPECT_EQ((*lines)[5], "OrvaneLeft= 3000");
  EXPECT_EQ((*lines)[6], "OrvaneHeight= 675");
  EXPECT_EQ((*lines)[7], "OrvaneWidth= 9000");
  EXPECT_EQ((*lines)[17], "AtlasDir=/opt/atlas");
  EXPECT_EQ((*lines)[19], "TypeChart= 1");
}

TEST_F(StartupTest, ClosingTheTitleWindowCountsAsContinue) {
  testing::StartupMessages messages;
  const std::string dir = testing::CopyOfProgramFolder("startup-title-close");
  StartupSettings settings;
  settings.appPath = dir;
  settings.titleShown = [](QWidget& title) { title.close(); };
  ASSERT_EQ(StartHalcyra(settings), 0);
  EXPECT_NE(TheMainWindow(), nullptr);
  Exit();
}

TEST_F(StartupTest, AMissingOptionFileEndsStartUpWithAnError) {
  testing::StartupMessages messages;
  const std::string dir = testing::CopyOfProgramFolder("startup-no-options");
  fs::remove(dir + "/OPTIONS.OPT");
  StartupSettings settings;
  settings.appPath = dir;
  settings.titleShown = [](QWidget&) { ADD_FAILURE() << "the title must not show"; };
  EXPECT_EQ(StartHalcyra(settings), 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(TheMainWindow(), nullptr);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Error!");
  EXPECT_NE(messages.shown[0].text.find("OPTIONS.OPT"), std::string::npos) << messages.shown[0].text;
  EXPECT_FALSE(fs::exists(dir + "/Orvane.INI"));
}

TEST_F(StartupTest, ABadDataFileNamesTheFileAndLine) {
  testing::StartupMessages messages;
  const std::string dir = testing::CopyOfProgramFolder("startup-bad-data");
  std::ofstream(dir + "/ALMUTD1.DAT", std::ios::binary) << "1\r\n2\r\nthree\r\n";
  StartupSettings settings;
  settings.appPath = dir;
  EXPECT_EQ(StartHalcyra(settings), 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Error!");
  EXPECT_NE(messages.shown[0].text.find("ALMUTD1.DAT"), std::string::npos) << messages.shown[0].text;
}

TEST_F(StartupTest, AnUnwritableIniIsReportedAndTheProgramStillEnds) {
  testing::StartupMessages messages;
  const std::string dir = testing::CopyOfProgramFolder("startup-unwritable");
  ASSERT_EQ(Start(dir), 0);
  fs::create_directories(dir + "/Orvane.INI");  // a folder where the file must go
  Exit();
  EXPECT_EQ(TheMainWindow(), nullptr);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Error!");
  EXPECT_NE(messages.shown[0].text.find("Orvane.INI"), std::string::npos);
}

TEST_F(StartupTest, ChartMenusAppearAfterTheFirstChart) {
  testing::StartupMessages messages;
  const std::string dir = testing::CopyOfProgramFolder("startup-chart-menus");
  ASSERT_EQ(Start(dir), 0);
  ShowChartMenus();
  EXPECT_EQ(MenuBarNames(true).size(), 7);
  Exit();
}

}  // namespace
}  // namespace halcyra
