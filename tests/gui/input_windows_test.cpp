// The natal and transit input windows: presets, the hour box, OK with good
// and bad input, and the main window's Input command with the clock injected.
#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QPushButton>

#include "chart_input/input_checks.h"
#include "chart_input/ui/names_window.h"
#include "gui/input_gui_support.h"
#include "shell/ui/main_window.h"

namespace halcyra {
namespace {

using InputWindows = testing::InputWindowTest;

TEST_F(InputWindows, StartUpPresetsBothWindowsToNowAtHome) {
  ShowInputWindows();
  EXPECT_TRUE(InputD().isVisible());
  EXPECT_TRUE(InputD1().isVisible());
  ASSERT_TRUE(NamesLoaded());
  EXPECT_TRUE(Names().isVisible());
  EXPECT_EQ(Names().List()->item(0)->text(), "Now");
  EXPECT_EQ(InputD().NameText(), "Now");
  // the clock of 9 March 2024 19:05 and the home place of Chicago
  EXPECT_EQ(Shown(InputD()), "3/9/2024 7:5 PM, 6, 87 W 39, 41 N 51");
  EXPECT_EQ(Shown(InputD1()), "3/9/2024 7:5 PM, 6, 87 W 39, 41 N 51");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(InputWindows, HourBoxTakesThe12HourForm) {
  // window, hour box, typed, box afterwards, P.M. afterwards (A.M. chosen first)
  const struct {
    ChartInputWindow& window;
    const char *box, *typed, *shown;
    bool pm;
  } cases[] = {{InputD(), "txtBirthHour", "0", "12", false}, {InputD(), "txtBirthHour", "13", "1", true},
               {InputD(), "txtBirthHour", "23", "11", true}, {InputD(), "txtBirthHour", "12", "12", false},
               {InputD(), "txtBirthHour", "9", "9", false},  {InputD1(), "txtDiurnalHour", "15", "3", true}};
  for (const auto& c : cases) {
    QRadioButton* am = c.window.Option(c.window.Target() ? "optDiurnalAM" : "optAM");
    am->setChecked(true);
    Type(c.window, c.box, c.typed);
    EXPECT_EQ(Text(c.window, c.box), c.shown) << c.box << " " << c.typed;
    EXPECT_EQ(c.window.BoxTexts().PM, c.pm) << c.box << " " << c.typed;
    EXPECT_NE(am->isChecked(), c.pm) << "the pair stays exclusive";
  }
  EXPECT_TRUE(messages.shown.empty());
  Type(InputD(), "txtBirthHour", "");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Please fill in a value for birth hour.");
  EXPECT_EQ(messages.shown[0].title, "Warning!");
}

TEST_F(InputWindows, OkTakesGoodInputAndRefusesBadInput) {
  App().flags.DateFormat = 1;
  InputDWindow& natal = InputD();
  natal.SetNameText("Test chart");
  natal.WriteMoment({"5", "14", "1990", "3", "7", true});
  natal.WritePlace({"-5.30", "77", "13", "28", "37", true, false});
  App().report.DataLines.assign(7, "line");
  App().report.DataLineCount = 5;
  natal.findChild<QPushButton*>("cmdOK")->click();
  EXPECT_TRUE(messages.shown.empty());
  const ChartInput& in = App().input;
  EXPECT_EQ(in.NatalDateText, "14/5/1990");
  EXPECT_NEAR(in.NatalClockTime, 3.07, 1e-6);
  EXPECT_EQ(in.NatalAmPm, "P.M.");
  EXPECT_NEAR(in.NatalTZ, -5.5, 1e-6);
  EXPECT_NEAR(in.NatalGeoLong, -77.13, 1e-4);  // east negative
  EXPECT_EQ(in.TransitDateText, "9/3/2024");
  EXPECT_EQ(App().chart.ChartName, "Test chart");
  EXPECT_EQ(App().report.DataLineCount, 0);  // a new chart starts a new data buffer

  // Both windows' complaints, each once; the buffer stays.
  Type(natal, "txtMonth", "13");
  Type(InputD1(), "txtDiurnalLatDeg", "70");
  App().report.DataLineCount = 5;
  InputD1().findChild<QPushButton*>("cmdOK")->click();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, HighLatitudeText);
  EXPECT_EQ(messages.shown[1].text, "Error in natal input data section. Please correct.");
  EXPECT_EQ(messages.shown[1].title, "Warning!");
  EXPECT_EQ(App().chart.InputError, 1);
  EXPECT_EQ(App().report.DataLineCount, 5);
}

class InputCommand : public testing::InputWindowTest {
 protected:
  void SetUp() override {
    InputWindowTest::SetUp();
    main = new MainWindow;  // the reset deletes it: closing would run the exit sequence
  }
  void Input() { main->findChild<QAction*>("mnuInputData")->trigger(); }

  MainWindow* main = nullptr;
};

TEST_F(InputCommand, NowChartTakesTheClockAfresh) {
  ShowInputWindows();
  // clock on 31 December 2025, the natal window's time afterwards
  const struct {
    int hour, minute;
    const char* shown;
  } cases[] = {{0, 30, "12:30 AM"}, {12, 30, "12:30 PM"}, {19, 5, "7:5 PM"}, {11, 59, "11:59 AM"}, {23, 0, "11:0 PM"}};
  for (const auto& c : cases) {
    SetClock(2025, 12, 31, c.hour, c.minute);
    App().chart.ChartName = "Now";
    Input();
    EXPECT_EQ(Shown(InputD()), "12/31/2025 " + std::string(c.shown) + ", 6, 87 W 39, 41 N 51")
        << c.hour << ":" << c.minute;
  }
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(InputCommand, ResetsTheDataEntryButKeepsTheBoxesOfANamedChart) {
  ShowInputWindows();
  HideInputWindows();  // as the chart driver leaves them
  InputD().SetNameText("Apollo 11 launch, Kennedy Space Center");
  Type(InputD(), "txtYear", "1969");
  App().chart.ChartName = "Apollo 11 launch, Kennedy Space Center";
  App().flags.NamesDirty = 1;
  App().flags.DataFileName = "saved.txt";
  App().report.DataLines.assign(14, "x");
  App().report.DataLineCount = 12;
  auto* single = new QAction(main);
  single->setObjectName("mnuRidurIzivaSingle");
  single->setCheckable(true);
  single->setChecked(true);
  NamesWindow* namesBefore = &Names();

  Input();
  EXPECT_EQ(App().report.DataLineCount, 0);
  EXPECT_EQ(App().flags.NamesDirty, 0);
  EXPECT_EQ(App().flags.DataFileName, "");
  EXPECT_FALSE(single->isChecked());
  EXPECT_TRUE(InputD().isVisible() && InputD1().isVisible() && Names().isVisible());
  EXPECT_NE(&Names(), namesBefore) << "the names list is loaded afresh";
  EXPECT_EQ(Text(InputD(), "txtYear"), "1969");
}

}  // namespace
}  // namespace halcyra
