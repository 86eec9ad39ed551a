// The natal and transit input windows: presets, the hour box, the date
// order, OK and the second-person box.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>

#include "chart_input/input_checks.h"
#include "chart_input/ui/names_window.h"
#include "gui/input_gui_support.h"
#include "shell/report_output.h"

namespace halcyra {
namespace {

using InputWindows = testing::InputWindowTest;

TEST_F(InputWindows, StartUpShowsBothWindowsAndTheNamesPreset) {
  ShowInputWindows();
  InputDWindow& natal = InputD();
  InputD1Window& transit = InputD1();
  EXPECT_TRUE(natal.isVisible());
  EXPECT_TRUE(transit.isVisible());
  ASSERT_TRUE(NamesLoaded());
  EXPECT_TRUE(Names().isVisible());
  EXPECT_EQ(Names().List()->item(0)->text(), "Now");
  EXPECT_EQ(natal.NameText(), "Now");

  // window, box names; the clock reads 9 March 2024 19:05 and home is Chicago
  struct Expected {
    QWidget* window;
    const char *month, *day, *year, *hour, *minute, *pm, *tz, *longDeg, *longMin, *west, *latDeg, *latMin, *north;
  } windows[] = {
      {&natal, "txtMonth", "txtDay", "txtYear", "txtBirthHour", "txtBirthMinute", "optPM", "txtTZ", "txtLongDeg",
       "txtLongMin", "optWest", "txtLatDeg", "txtLatMin", "optNorth"},
      {&transit, "txtDiurnalMonth", "txtDiurnalDay", "txtDiurnalYear", "txtDiurnalHour", "txtDiurnalMinute",
       "optDiurnalPM", "txtDiurnalTZ", "txtDiurnalLongDeg", "txtDiurnalLongMin", "optDiurnalWest",
       "txtDiurnalLatDeg", "txtDiurnalLatMin", "optDiurnalNorth"},
  };
  for (const Expected& w : windows) {
    SCOPED_TRACE(w.window->objectName().toStdString());
    EXPECT_EQ(Text(*w.window, w.month), "3");
    EXPECT_EQ(Text(*w.window, w.day), "9");
    EXPECT_EQ(Text(*w.window, w.year), "2024");
    EXPECT_EQ(Text(*w.window, w.hour), "7");
    EXPECT_EQ(Text(*w.window, w.minute), "5");
    EXPECT_TRUE(Chosen(*w.window, w.pm));
    EXPECT_EQ(Text(*w.window, w.tz), "6");
    EXPECT_EQ(Text(*w.window, w.longDeg), "87");
    EXPECT_EQ(Text(*w.window, w.longMin), "39");
    EXPECT_TRUE(Chosen(*w.window, w.west));
    EXPECT_EQ(Text(*w.window, w.latDeg), "41");
    EXPECT_EQ(Text(*w.window, w.latMin), "51");
    EXPECT_TRUE(Chosen(*w.window, w.north));
  }
  auto* second = transit.findChild<QCheckBox*>("chk2ndPerson");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->text(), "2nd Person");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(InputWindows, HourBoxTakesThe12HourForm) {
  InputDWindow& natal = InputD();
  // typed, hour box afterwards, P.M. chosen afterwards (A.M. chosen first)
  const struct {
    const char* typed;
    const char* shown;
    bool pm;
  } cases[] = {{"0", "12", false}, {"13", "1", true}, {"23", "11", true}, {"12", "12", false}, {"9", "9", false}};
  for (const auto& c : cases) {
    Choose(natal, "optAM");
    Type(natal, "txtBirthHour", c.typed);
    EXPECT_EQ(Text(natal, "txtBirthHour"), c.shown) << c.typed;
    EXPECT_EQ(Chosen(natal, "optPM"), c.pm) << c.typed;
    EXPECT_NE(Chosen(natal, "optAM"), c.pm) << "the pair stays exclusive";
  }
  EXPECT_TRUE(messages.shown.empty());
  Type(natal, "txtBirthHour", "");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Please fill in a value for birth hour.");
  EXPECT_EQ(messages.shown[0].title, "Warning!");

  InputD1Window& transit = InputD1();
  Choose(transit, "optDiurnalAM");
  Type(transit, "txtDiurnalHour", "15");
  EXPECT_EQ(Text(transit, "txtDiurnalHour"), "3");
  EXPECT_TRUE(Chosen(transit, "optDiurnalPM"));
}

TEST_F(InputWindows, DateBoxesFollowTheDateOrder) {
  // DateFormat, boxes from left to right
  const struct {
    int format;
    std::vector<const char*> order;
  } cases[] = {{0, {"txtMonth", "txtDay", "txtYear"}},
               {1, {"txtDay", "txtMonth", "txtYear"}},
               {2, {"txtYear", "txtMonth", "txtDay"}}};
  for (const auto& c : cases) {
    UnloadDataEntryWindows();
    Settle();
    App().flags.DateFormat = c.format;
    InputDWindow& natal = InputD();
    natal.show();
    Settle();
    int previousX = -1;
    for (const char* box : c.order) {
      const int x = natal.findChild<QLineEdit*>(box)->geometry().x();
      EXPECT_GT(x, previousX) << "DateFormat " << c.format << " " << box;
      previousX = x;
    }
  }
}

TEST_F(InputWindows, OkParsesGoodInput) {
  App().flags.DateFormat = 1;
  InputDWindow& natal = InputD();
  natal.SetNameText("Test chart");
  Type(natal, "txtMonth", "5");
  Type(natal, "txtDay", "14");
  Type(natal, "txtYear", "1990");
  Type(natal, "txtBirthHour", "15");  // becomes 3 P.M.
  Type(natal, "txtBirthMinute", "7");
  Type(natal, "txtTZ", "-5.30");
  Type(natal, "txtLongDeg", "77");
  Type(natal, "txtLongMin", "13");
  Choose(natal, "optEast");
  Type(natal, "txtLatDeg", "28");
  Type(natal, "txtLatMin", "37");
  App().report.DataLineCount = 5;
  App().report.DataLines.assign(7, "line");

  natal.findChild<QPushButton*>("cmdOK")->click();
  EXPECT_TRUE(messages.shown.empty());
  const ChartInput& in = App().input;
  EXPECT_EQ(in.NatalDateText, "14/5/1990");
  EXPECT_NEAR(in.NatalClockTime, 3.07, 1e-6);
  EXPECT_EQ(in.NatalAmPm, "P.M.");
  EXPECT_NEAR(in.NatalTZ, -5.5, 1e-6);
  EXPECT_NEAR(in.NatalGeoLong, -77.13, 1e-4);
  EXPECT_EQ(in.EWText, "EAST");
  EXPECT_NEAR(in.NatalGeoLat, 28.37, 1e-4);
  EXPECT_EQ(in.TransitDateText, "9/3/2024");
  EXPECT_EQ(in.LastBirthdayYear, 2023);
  EXPECT_EQ(App().chart.ChartName, "Test chart");
  EXPECT_EQ(App().chart.TransitChartName, "Transits");
  EXPECT_EQ(App().report.DataLineCount, 0);  // a new chart starts a new data buffer
}

TEST_F(InputWindows, OkShowsTheMessagesOfBadInput) {
  InputDWindow& natal = InputD();
  InputD1Window& transit = InputD1();
  Type(natal, "txtMonth", "13");
  Type(transit, "txtDiurnalLatDeg", "70");
  App().report.DataLineCount = 5;
  transit.findChild<QPushButton*>("cmdOK")->click();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, HighLatitudeText);
  EXPECT_EQ(messages.shown[1].text, "Error in natal input data section. Please correct.");
  EXPECT_EQ(messages.shown[1].title, "Warning!");
  EXPECT_EQ(App().chart.InputError, 1);
  EXPECT_EQ(App().report.DataLineCount, 5);  // refused input keeps the buffer
}

TEST_F(InputWindows, OkCallsTheInstalledChartDriver) {
  int calls = 0;
  SetCalculateChart([&] {
    ++calls;
    EXPECT_EQ(App().chart.ChartReady, 0);
  });
  App().chart.ChartReady = 1;
  InputD().findChild<QPushButton*>("cmdOK")->click();
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(messages.shown.empty()) << "the driver shows its own messages";
}

TEST_F(InputWindows, ReadChartInputFieldsFromTheWindowOfTheWheel) {
  Type(InputD1(), "txtDiurnalYear", "2030");
  App().flags.WheelKind = 2;
  ASSERT_TRUE(ReadChartInputFieldsFromWindows(App()));
  EXPECT_EQ(App().step.Year, 2030);
  EXPECT_EQ(App().step.Hour, 7);
  EXPECT_EQ(App().step.PMFlag, 1);
  EXPECT_EQ(App().chart.ChartReady, 1);
  Type(InputD1(), "txtDiurnalMinute", "");
  EXPECT_FALSE(ReadChartInputFieldsFromWindows(App()));
  EXPECT_EQ(App().chart.ChartReady, 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, TransitInputErrorText);
}

}  // namespace
}  // namespace halcyra
