// The chart command from the input windows, offscreen: a confirmed input
// computes the chart, hides the input windows and lists, opens the chart
// menus, shows the header report and starts the RidurIziva; input that
// fails a check changes nothing.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "chart_input/input_checks.h"
#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "chart_input/ui/names_window.h"
#include "core/chart_driver.h"
#include "gui/startup_support.h"
#include "platform/date_settings.h"
#include "platform/text_files.h"
#include "shell/ui/calculate_chart.h"
#include "shell/ui/main_window.h"
#include "shell/ui/startup.h"
#include "state/app_state.h"

namespace halcyra {
namespace {

class CalculateChartTest : public testing::GuiTest {
 protected:
  void SetUp() override {
    SetDateSettingsOverride(DateSettings{0, 0});
    dir = testing::CopyOfProgramFolder("calculate-chart");
    StartupSettings settings;
    settings.appPath = dir;
    settings.titleShown = [](QWidget& title) { title.findChild<QPushButton*>("cmdOK")->click(); };
    ASSERT_EQ(StartHalcyra(settings), 0);
    App().options.HouseSystem = "P";
  }

  // 14 July 1975, 3.25 P.M., zone 5, 73 59 W 40 45 N; transits 1 March
  // 2024, 10.00 A.M., zone 0, 0 07 W 51 30 N.
  static void TypeCharts() {
    InputD().SetNameText("Test Person");
    InputD().WriteMoment({"7", "14", "1975", "3", "25", true});
    InputD().WritePlace({"5", "73", "59", "40", "45", false, false});
    InputD1().WriteMoment({"3", "1", "2024", "10", "0", false});
    InputD1().WritePlace({"0", "0", "07", "51", "30", false, false});
  }

  static bool MenuVisible(const char* name) {
    for (QAction* action : TheMainWindow()->menuBar()->actions()) {
      const QString object = action->menu() ? action->menu()->objectName() : action->objectName();
      if (object == name) return action->isVisible();
    }
    ADD_FAILURE() << "no menu " << name;
    return false;
  }

  std::string dir;
};

TEST_F(CalculateChartTest, ConfirmingTheInputComputesAndShowsTheChart) {
  testing::StartupMessages messages;
  TypeCharts();
  EXPECT_FALSE(MenuVisible("mnuData"));
  EXPECT_FALSE(TheMainWindow()->timer1->isActive());
  InputD().findChild<QPushButton*>("cmdOK")->click();

  EXPECT_TRUE(messages.shown.empty());
  const AppState& state = App();
  EXPECT_EQ(state.chart.ChartName, "Test Person");
  EXPECT_EQ(state.chart.TransitChartName, "Transits");
  // the natal Sun at 21 Cancer 46, the transit Sun at 11 Pisces 18 (Swiss Ephemeris)
  EXPECT_NEAR(state.chart.natal.NatalLong[Sun], 111.7734, 0.02);
  EXPECT_NEAR(state.chart.transit.TransitLong[Sun], 341.3076, 0.02);

  EXPECT_FALSE(InputD().isVisible());
  EXPECT_FALSE(InputD1().isVisible());
  EXPECT_FALSE(Names().isVisible());
  for (const char* menu : {"mnuData", "mnuWheels", "mnuInputData", "mnuRidurIziva"})
    EXPECT_TRUE(MenuVisible(menu)) << menu;
  EXPECT_EQ(state.chart.MoreMenuVisible, 0);
  EXPECT_TRUE(TheMainWindow()->timer1->isActive());

  // the automatic report begins with the chart header, on the page and in
  // the last-page file
  ASSERT_GE(state.report.PageLines.size(), 3u);
  EXPECT_EQ(state.report.PageLines[0], "");
  EXPECT_EQ(state.report.PageLines[1], "  Test Person");
  EXPECT_EQ(state.report.PageLines[2].substr(0, 13), "  14 Jul 1975");
  const auto lastPage = ReadTextLines(dir + "/REPORTS/LASTPAGE.TXT");
  ASSERT_TRUE(lastPage.has_value());
  ASSERT_GE(lastPage->size(), 3u);
  EXPECT_EQ((*lastPage)[1], "  Test Person");
}

// A failed check shows its message and changes nothing: no chart, the
// windows and menus as they were, the timer off.
TEST_F(CalculateChartTest, FailedValidationChangesNothing) {
  testing::StartupMessages messages;
  TypeCharts();
  InputD().Box("txtMonth")->setText("13");
  const ChartInput inputBefore = App().input;
  const NatalSet natalBefore = App().chart.natal;
  const ReportBuffer reportBefore = App().report;
  CalculateChart();

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, NatalInputErrorText);
  EXPECT_EQ(messages.shown[0].title, "Warning!");
  EXPECT_EQ(App().chart.InputError, 1);
  EXPECT_EQ(App().input.NatalYearInt, inputBefore.NatalYearInt);
  EXPECT_EQ(App().chart.natal.NatalLong, natalBefore.NatalLong);
  EXPECT_EQ(App().chart.ChartName, "");
  EXPECT_TRUE(InputD().isVisible());
  EXPECT_TRUE(InputD1().isVisible());
  EXPECT_FALSE(MenuVisible("mnuData"));
  EXPECT_FALSE(TheMainWindow()->timer1->isActive());
  EXPECT_EQ(App().report.PageLines, reportBefore.PageLines);
  EXPECT_EQ(App().report.DataLines, reportBefore.DataLines);
}

// Meridian charts pass the latitude check up to the pole; at the pole
// itself the angles fail, and the chart is refused like bad input.
TEST_F(CalculateChartTest, APlaceAtThePoleIsRefusedWithoutChange) {
  testing::StartupMessages messages;
  App().options.HouseSystem = "M";
  TypeCharts();
  InputD().WritePlace({"5", "73", "59", "90", "00", false, false});
  const ChartInput inputBefore = App().input;
  CalculateChart();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, ChartPlaceTooHighText);
  EXPECT_EQ(App().input.NatalGeoLat, inputBefore.NatalGeoLat);
  EXPECT_EQ(App().input.NatalYearInt, inputBefore.NatalYearInt);
  EXPECT_TRUE(InputD().isVisible());
  EXPECT_FALSE(MenuVisible("mnuData"));
}

}  // namespace
}  // namespace halcyra
