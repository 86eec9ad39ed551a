// The listings under the offscreen platform, driven through their named
// controls: the Data menu's Transits by the Minute, Transit Interpretations
// (with the Data window's More menu forward and back) and Table of Houses items on a chart
// computed by the chart driver, and the transit-listing options window's
// boxes, period check, List, Orbs and a missing DIURNAL.ORB.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <filesystem>
#include <memory>

#include "core/calendar.h"
#include "core/chart_driver.h"
#include "gui_test_support.h"
#include "platform/text_files.h"
#include "reports/ui/diur_opt_window.h"
#include "reports/ui/listing_commands.h"
#include "shell/report_output.h"
#include "shell/settings_files.h"
#include "shell/ui/data_window.h"
#include "shell/ui/main_window.h"
#include "shell/ui/progress_window.h"
#include "shell/ui/text_editors.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

namespace fs = std::filesystem;

// A program folder with the files the listings read, and a chart computed
// by the chart driver: natal 14 Mar 1990 10.30 P.M., zone 5, 42.21 NORTH
// 71.04 WEST; transits 1 Jun 2024 1.00 P.M., zone 4, 40.43 NORTH 74.00 WEST.
class ListingWindowsTest : public testing::GuiTest {
 protected:
  void SetUp() override {
    AppState& s = App();
    s.AppPath = testing::ScratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(s.AppPath + "/REPORTS");
    for (const char* file : {"OPTIONS.OPT", "DIURNAL.ORB", "SUN.TXT", "MOON.TXT", "MERCURY.TXT",
                             "VENUS.TXT", "MARS.TXT", "JUPITER.TXT", "SATURN.TXT", "URANUS.TXT",
                             "NEPTUNE.TXT", "PLUTO.TXT", "N_NODE.TXT", "S_NODE.TXT"})
      fs::copy_file(testing::SourceAppData() + "/" + file, s.AppPath + "/" + file);
    LoadOptionsFile(s);
    ChartInput& in = s.input;
    in.NatalDayInt = 14, in.NatalMonthInt = 3, in.NatalYearInt = 1990;
    in.NatalClockTime = 10.30f, in.NatalAmPm = "P.M.", in.NatalTZ = 5;
    in.NatalGeoLat = 42.21f, in.NatalGeoLong = 71.04f;
    in.TransitDay = 1, in.TransitMonth = 6, in.TransitYear = 2024;
    in.ChartClockTime = 1.00f, in.ChartAmPm = "P.M.", in.TransitTZ = 4;
    in.TransitGeoLat = 40.43f, in.TransitGeoLong = 74.00f;
    s.chart.ChartName = "Listing Test";
    ComputeChartSets(s);
    InstallDataWindowDisplay();
    InstallListingCommands();
    window_ = std::make_unique<MainWindow>();
    ShowChartMenus(*window_);
  }
  void TearDown() override { window_.reset(); }

  QAction* item(const char* name) { return window_->dataMenu->findChild<QAction*>(name); }
  std::vector<std::string> lastPage() {
    return ReadTextLines(LastPagePath(App())).value_or(std::vector<std::string>{});
  }
  static bool Contains(const std::vector<std::string>& lines, const std::string& text) {
    for (const std::string& line : lines)
      if (line.find(text) != std::string::npos) return true;
    return false;
  }

  testing::RecordingSink messages;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(ListingWindowsTest, TheListingItemsAreReady) {
  for (const char* name : {"mnuDataTransits", "mnuDataTransitInterpretations", "mnuDataListTransits"})
    EXPECT_TRUE(item(name)->isEnabled()) << name;
}

TEST_F(ListingWindowsTest, TransitInterpretationsWithForwardAndBackward) {
  AppState& s = App();
  EXPECT_EQ(s.flags.ListingDate, DateToJulianDay(2024, 6, 1));  // set by the chart driver
  item("mnuDataTransitInterpretations")->trigger();
  auto page = lastPage();
  ASSERT_GE(page.size(), 4u);
  EXPECT_EQ(page[1], "               TRANSITING PLANET ASPECTS TO NATAL PLANETS   01 Jun 2024");
  DataWindow* data = CurrentDataWindow();
  ASSERT_NE(data, nullptr);
  QMenu* more = data->findChild<QMenu*>("mnuMore");
  ASSERT_NE(more, nullptr);
  EXPECT_TRUE(more->menuAction()->isVisible());
  EXPECT_TRUE(data->findChild<QAction*>("mnuMoreNewDate")->isVisible());

  data->mnuMoreZForward_Click();
  EXPECT_EQ(lastPage()[1].substr(60), "02 Jun 2024");
  data->mnuMoreBackward_Click();
  EXPECT_EQ(lastPage()[1].substr(60), "01 Jun 2024");
  EXPECT_EQ(s.flags.ListingDate, DateToJulianDay(2024, 6, 2));

  // any other report ends the listing and takes the More menu away
  item("mnuDataNatalData")->trigger();
  EXPECT_EQ(s.flags.ListingActive, 0);
  EXPECT_FALSE(more->menuAction()->isVisible());
  data->mnuMoreZForward_Click();
  EXPECT_FALSE(Contains(lastPage(), "TRANSITING PLANET ASPECTS TO NATAL PLANETS"));
}

TEST_F(ListingWindowsTest, TableOfHousesAsksTwoQuestions) {
  messages.inputAnswer = " 30";
  item("mnuDataListTransits")->trigger();
  ASSERT_EQ(messages.asked.size(), 2u);
  EXPECT_EQ(messages.asked[0], "Minutes between rows:");
  EXPECT_EQ(messages.asked[1], "Number of rows:");
  const auto page = lastPage();
  ASSERT_GE(page.size(), 8u + 30u);
  EXPECT_EQ(page[1], "               Table of Houses");
  EXPECT_EQ(page[7].substr(0, 19), "  01 Jun 2024 13:00");
  EXPECT_EQ(page[8].substr(0, 19), "  01 Jun 2024 13:30");
  EXPECT_EQ(page[36].substr(0, 19), "  02 Jun 2024 03:30");
  EXPECT_EQ(App().report.DataLineCount, App().report.PageLineCount);  // buffer emptied first
  EXPECT_EQ(TheStatusDlg(), nullptr);
  EXPECT_EQ(App().chart.SkipNextDay, 0);

  // Cancel at the first question: nothing written
  const std::vector<std::string> before = lastPage();
  messages.inputAnswer = "";
  item("mnuDataListTransits")->trigger();
  EXPECT_EQ(lastPage(), before);
}

TEST_F(ListingWindowsTest, OptionsWindowBoxesFollowTheSelection) {
  AppState& s = App();
  item("mnuDataTransits")->trigger();
  DiurOptWindow* w = TheDiurOpt();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->objectName(), "DIUR_OPT");
  // the default selection: Hades (slot 17) off, Admetos (21) on, the angles on
  auto box = [w](const char* name) { return w->findChild<QCheckBox*>(name); };
  EXPECT_TRUE(box("chkTransit1")->isChecked());
  EXPECT_FALSE(box("chkTransit17")->isChecked());
  EXPECT_TRUE(box("chkTransit21")->isChecked());
  EXPECT_TRUE(box("chkNatal29")->isChecked());
  EXPECT_EQ(box("chkNatal24")->text(), "ASC");

  const std::string before = s.ini.TransitSelection;
  box("chkTransit17")->setChecked(true);
  box("chkNatal1")->setChecked(false);
  std::string expected = before;
  expected[16] = '1';
  expected[42] = '0';
  EXPECT_EQ(s.ini.TransitSelection, expected);
  EXPECT_EQ(w->findChild<QLineEdit*>("txtMonth")->text(), "6");
  EXPECT_EQ(w->findChild<QLineEdit*>("txtYear")->text(), "2024");
}

TEST_F(ListingWindowsTest, ListRunsTheMinuteListing) {
  AppState& s = App();
  // the Moon against the natal points for one day
  s.ini.TransitSelection = std::string(84, '0');
  s.ini.TransitSelection[9] = '1';
  for (int slot = 1; slot <= 13; ++slot) s.ini.TransitSelection[41 + slot] = '1';
  DiurOptWindow* w = ShowDiurOpt(s);
  w->findChild<QLineEdit*>("txtDays")->setText("0");
  w->cmdList_Click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, ListingPeriodText);
  EXPECT_EQ(messages.shown[0].title, "Warning!");

  w->findChild<QLineEdit*>("txtDays")->setText("1");
  w->findChild<QPushButton*>("cmdList")->click();
  const auto page = lastPage();
  ASSERT_GE(page.size(), 12u);
  EXPECT_EQ(page[4], "               TRANSITS BY THE MINUTE");
  EXPECT_EQ(page[6], "  From 01 Jun 2024 00:00 to 01 Jun 2024 23:59   TZ =   4.00");
  EXPECT_EQ(page[11].substr(0, 22), "  01 Jun 2024  " + page[11].substr(15, 5) + "  ");
  EXPECT_EQ(page[11].substr(22, 10), "Moon      ");
  EXPECT_EQ(s.report.DataLineCount, s.report.PageLineCount);  // buffer emptied first
  EXPECT_EQ(TheStatusDlg(), nullptr);
  EXPECT_TRUE(w->isEnabled());
  EXPECT_EQ(s.chart.SkipNextDay, 0);
}

TEST_F(ListingWindowsTest, OrbsCommandAndAMissingOrbFile) {
  AppState& s = App();
  DiurOptWindow* w = ShowDiurOpt(s);
  w->findChild<QPushButton*>("cmdOrbs")->click();
  EXPECT_EQ(fs::path(s.options.OrbFileName).filename(), "DIURNAL.ORB");
  bool editorOpen = false;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* editor = qobject_cast<TextEditorWindow*>(widget))
      editorOpen = editorOpen || editor->FilePath() == s.options.OrbFileName;
  EXPECT_TRUE(editorOpen);

  fs::remove(s.AppPath + "/DIURNAL.ORB");
  const std::vector<std::string> before = lastPage();
  w->cmdList_Click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Error!");
  EXPECT_NE(messages.shown[0].text.find("DIURNAL.ORB"), std::string::npos);
  EXPECT_EQ(lastPage(), before);
  EXPECT_EQ(TheStatusDlg(), nullptr);
  EXPECT_TRUE(w->isEnabled());
}

}  // namespace
}  // namespace halcyra
