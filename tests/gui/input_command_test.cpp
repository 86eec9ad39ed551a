// The main window's Input command, with the clock injected, and the
// second-person box's caption of the main window's Data item.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>

#include "chart_input/ui/names_window.h"
#include "gui/input_gui_support.h"
#include "shell/ui/main_window.h"

namespace halcyra {
namespace {

class InputCommand : public testing::InputWindowTest {
 protected:
  void SetUp() override {
    InputWindowTest::SetUp();
    main = new MainWindow;  // the reset deletes it: closing would run the exit sequence
  }
  QAction* Item(const char* name) { return main->findChild<QAction*>(name); }

  MainWindow* main = nullptr;
};

TEST_F(InputCommand, NowChartTakesTheClockAfresh) {
  ShowInputWindows();
  // clock, hour box, minute box, P.M.
  const struct {
    int hour, minute;
    const char* hourText;
    const char* minuteText;
    bool pm;
  } cases[] = {{0, 30, "12", "30", false}, {12, 30, "12", "30", true}, {19, 5, "7", "5", true},
               {11, 59, "11", "59", false}, {23, 0, "11", "0", true}};
  for (const auto& c : cases) {
    SetClock(2025, 12, 31, c.hour, c.minute);
    App().chart.ChartName = "Now";
    Item("mnuInputData")->trigger();
    InputDWindow& natal = InputD();
    EXPECT_EQ(Text(natal, "txtBirthHour"), c.hourText) << c.hour << ":" << c.minute;
    EXPECT_EQ(Text(natal, "txtBirthMinute"), c.minuteText);
    EXPECT_EQ(Chosen(natal, "optPM"), c.pm) << c.hour << ":" << c.minute;
    EXPECT_EQ(Text(natal, "txtMonth"), "12");
    EXPECT_EQ(Text(natal, "txtDay"), "31");
    EXPECT_EQ(Text(natal, "txtYear"), "2025");
  }
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(InputCommand, ResetsTheDataEntry) {
  ShowInputWindows();
  HideInputWindows();  // as the chart driver leaves them
  InputD().SetNameText("Apollo 11 launch, Kennedy Space Center");
  Type(InputD(), "txtYear", "1969");
  Type(InputD(), "txtTZ", "4");
  App().chart.ChartName = "Apollo 11 launch, Kennedy Space Center";
  App().flags.NamesDirty = 1;
  App().flags.DataFileName = "saved.txt";
  App().report.DataLineCount = 12;
  App().report.DataLines.assign(14, "x");
  auto* single = new QAction(main);
  single->setObjectName("mnuRidurIzivaSingle");
  single->setCheckable(true);
  single->setChecked(true);
  NamesWindow* namesBefore = &Names();

  main->findChild<QAction*>("mnuInputData")->trigger();
  EXPECT_EQ(App().report.DataLineCount, 0);
  EXPECT_EQ(App().flags.NamesDirty, 0);
  EXPECT_EQ(App().flags.DataFileName, "");
  EXPECT_FALSE(single->isChecked());
  EXPECT_TRUE(InputD().isVisible());
  EXPECT_TRUE(InputD1().isVisible());
  EXPECT_TRUE(Names().isVisible());
  EXPECT_NE(&Names(), namesBefore) << "the names list is loaded afresh";
  // Not a now-chart: the date and time boxes keep their values.
  EXPECT_EQ(Text(InputD(), "txtYear"), "1969");
  EXPECT_EQ(Text(InputD(), "txtTZ"), "4");
}

TEST_F(InputCommand, ItemStaysHiddenUntilTheFirstChart) {
  QAction* item = Item("mnuInputData");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), "&Input");
  EXPECT_FALSE(item->isVisible());
  EXPECT_TRUE(main->menuBar()->actions().contains(item));
  ShowChartMenus(*main);
  EXPECT_TRUE(item->isVisible());
}

TEST_F(InputCommand, SecondPersonBoxRenamesTheDataItem) {
  QAction* item = Item("mnuDataTransitAspectsToTransits");
  if (!item) GTEST_SKIP() << "the Data menu has no Aspects to Transits item yet";
  auto* box = InputD1().findChild<QCheckBox*>("chk2ndPerson");
  box->click();
  EXPECT_EQ(item->text(), "Natal A&spects");
  box->click();
  EXPECT_EQ(item->text(), "A&spects to Transits");
}

}  // namespace
}  // namespace halcyra
