// The listings under the offscreen platform, driven through their named
// controls on a chart computed by the chart driver: Transit Interpretations
// with the Data window's More menu (Forward, Backward, New Date), Table of
// Houses, and the transit-listing options window's boxes, period check,
// List, Orbs and a missing DIURNAL.ORB.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <functional>
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
  static std::vector<std::string> lastPage() { return testing::LastPageLines(); }

  testing::RecordingSink messages;
  std::unique_ptr<MainWindow> window_;
};

// Answers the new-date window once it is shown: OK with the given boxes, or
// the close control when `month` is empty.
void AnswerNewDate(QString month, QString day, QString year) {
  QTimer::singleShot(0, [=] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() != "NewDate" || !w->isVisible()) continue;
      if (month.isEmpty()) return (void)w->close();
      w->findChild<QLineEdit*>("txtMonth")->setText(month);
      w->findChild<QLineEdit*>("txtDay")->setText(day);
      w->findChild<QLineEdit*>("txtYear")->setText(year);
      return w->findChild<QPushButton*>("cmdOK")->click();
    }
  });
}

TEST_F(ListingWindowsTest, TransitInterpretationsWithTheMoreMenu) {
  for (const char* name : {"mnuDataTransits", "mnuDataTransitInterpretations", "mnuDataListTransits"})
    EXPECT_TRUE(item(name)->isEnabled()) << name;
  EXPECT_EQ(App().flags.ListingDate, DateToJulianDay(2024, 6, 1));  // set by the chart driver
  item("mnuDataNatalData")->trigger();
  DataWindow* data = CurrentDataWindow();
  ASSERT_NE(data, nullptr);
  QMenu* more = data->findChild<QMenu*>("mnuMore");
  EXPECT_FALSE(more->menuAction()->isVisible());

  item("mnuDataTransitInterpretations")->trigger();
  ASSERT_GE(lastPage().size(), 4u);
  EXPECT_EQ(lastPage()[1], "               TRANSITING PLANET ASPECTS TO NATAL PLANETS   01 Jun 2024");
  EXPECT_TRUE(more->menuAction()->isVisible());
  EXPECT_TRUE(data->findChild<QAction*>("mnuMoreNewDate")->isVisible());
  // the dated heading after each More command
  const struct {
    const char* what;
    std::function<void()> run;
    const char* date;
  } steps[] = {
      {"Forward", [&] { data->findChild<QAction*>("mnuMoreZForward")->trigger(); }, "02 Jun 2024"},
      {"Backward", [&] { data->findChild<QAction*>("mnuMoreBackward")->trigger(); }, "01 Jun 2024"},
      {"New Date closed without OK: as Forward", [&] {
         AnswerNewDate("", "", "");
         data->mnuMoreNewDate_Click();
       }, "02 Jun 2024"},
      {"New Date 30 February 2003", [&] {
         AnswerNewDate("2", "30", "2003");
         data->mnuMoreNewDate_Click();
       }, "02 Mar 2003"},
  };
  for (const auto& step : steps) {
    step.run();
    EXPECT_EQ(lastPage()[1].substr(60), step.date) << step.what;
  }

  // Any other report ends the listing and takes the More menu away.
  item("mnuDataNatalData")->trigger();
  const std::vector<std::string> natal = lastPage();
  EXPECT_EQ(App().flags.ListingActive, 0);
  EXPECT_FALSE(more->menuAction()->isVisible());
  data->mnuMoreZForward_Click();
  EXPECT_EQ(lastPage(), natal) << "Forward does nothing without a listing";
}

TEST_F(ListingWindowsTest, TableOfHousesAsksTwoQuestions) {
  messages.inputAnswer = " 30";
  item("mnuDataListTransits")->trigger();
  EXPECT_EQ(messages.asked, (std::vector<std::string>{"Minutes between rows:", "Number of rows:"}));
  const auto page = lastPage();
  ASSERT_GE(page.size(), 8u + 30u);
  EXPECT_EQ(page[1], "               Table of Houses");
  EXPECT_EQ(page[7].substr(0, 19), "  01 Jun 2024 13:00");
  EXPECT_EQ(page[8].substr(0, 19), "  01 Jun 2024 13:30");
  EXPECT_EQ(page[36].substr(0, 19), "  02 Jun 2024 03:30");
  EXPECT_EQ(App().report.DataLineCount, App().report.PageLineCount);  // buffer emptied first
  EXPECT_EQ(TheStatusDlg(), nullptr);
  EXPECT_EQ(App().chart.SkipNextDay, 0);

  messages.inputAnswer = "";  // Cancel at the first question: nothing written
  item("mnuDataListTransits")->trigger();
  EXPECT_EQ(lastPage(), page);
}

TEST_F(ListingWindowsTest, OptionsWindowBoxesFollowTheSelectionAndListRuns) {
  AppState& s = App();
  item("mnuDataTransits")->trigger();
  DiurOptWindow* w = TheDiurOpt();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  // the default selection: Hades (slot 17) off, Admetos (21) on, the angles on
  auto box = [w](const char* name) { return w->findChild<QCheckBox*>(name); };
  EXPECT_TRUE(box("chkTransit1")->isChecked());
  EXPECT_FALSE(box("chkTransit17")->isChecked());
  EXPECT_TRUE(box("chkTransit21")->isChecked());
  EXPECT_TRUE(box("chkNatal29")->isChecked());
  std::string expected = s.ini.TransitSelection;
  box("chkTransit17")->setChecked(true);
  box("chkNatal1")->setChecked(false);
  expected[16] = '1';
  expected[42] = '0';
  EXPECT_EQ(s.ini.TransitSelection, expected);
  EXPECT_EQ(w->findChild<QLineEdit*>("txtMonth")->text(), "6");
  EXPECT_EQ(w->findChild<QLineEdit*>("txtYear")->text(), "2024");

  // The Moon against the natal points: no days is refused, one day lists.
  s.ini.TransitSelection = std::string(84, '0');
  s.ini.TransitSelection[9] = '1';
  for (int slot = 1; slot <= 13; ++slot) s.ini.TransitSelection[41 + slot] = '1';
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
  EXPECT_EQ(page[11].substr(0, 15) + page[11].substr(20, 12), "  01 Jun 2024    Moon      ");
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
  EXPECT_TRUE(std::ranges::any_of(QApplication::topLevelWidgets(), [&](QWidget* widget) {
    auto* editor = qobject_cast<TextEditorWindow*>(widget);
    return editor && editor->FilePath() == s.options.OrbFileName;
  }));

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
