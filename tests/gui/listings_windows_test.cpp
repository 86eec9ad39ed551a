// The listings through their named controls on a chart computed by the
// chart driver: Transit Interpretations with the Data window's More menu,
// the transit-listing options window and planetary hours.
#include <QCheckBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <fstream>

#include <sys/resource.h>
#include <unistd.h>

#include "app/main_menus.h"
#include "app/service_wiring.h"
#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "core/calendar.h"
#include "core/chart_driver.h"
#include "platform/gui/busy_pointer.h"
#include "gui_test_support.h"
#include "reports/report_fixture.h"
#include "reports/ui/diur_opt_window.h"
#include "reports/ui/listing_commands.h"
#include "reports/ui/planetary_hours_window.h"
#include "shell/settings_files.h"
#include "support/allocation_faults.h"
#include "shell/ui/new_date_window.h"
#include "shell/ui/progress_window.h"
#include "shell/ui/text_editors.h"

namespace halcyra {
namespace {

namespace fs = std::filesystem;

// A program folder with the files the listings read, and the report tests'
// fixture chart computed afresh by the chart driver.
class ListingWindowsTest : public testing::GuiTest {
 protected:
  void SetUp() override {
    AppState& s = App();
    s.AppPath = testing::ScratchProgramFolder("listings", {".OPT", ".ORB", ".TXT", ".FIL"});
    LoadOptionsFile(s);
    testing::FillFixtureChart(s);
    ComputeChartSets(s);
    WireAppServices(s);
    window_ = BuildMainWindow();  // the reset deletes it: closing would run the exit sequence
    ShowChartMenus(*window_);
  }

  QAction* item(const char* name) { return window_->dataMenu->findChild<QAction*>(name); }

  testing::RecordingSink messages;
  MainWindow* window_ = nullptr;
};

// More > New Date, answered once the window shows: OK with the given boxes,
// or the close control when `month` is empty. A date the window refuses
// keeps it open: the watchdog then closes it and fails the test.
void NewDate(DataWindow& data, QString month, QString day, QString year) {
  auto newDate = [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "NewDate" && w->isVisible()) return w;
    return static_cast<QWidget*>(nullptr);
  };
  QTimer::singleShot(0, [=] {
    QWidget* w = newDate();
    if (!w) return;
    if (month.isEmpty()) return (void)w->close();
    w->findChild<QLineEdit*>("txtMonth")->setText(month);
    w->findChild<QLineEdit*>("txtDay")->setText(day);
    w->findChild<QLineEdit*>("txtYear")->setText(year);
    w->findChild<QPushButton*>("cmdOK")->click();
  });
  testing::LoopWatchdog watchdog("New Date");
  data.mnuMoreNewDate_Click();
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
  ASSERT_GE(testing::LastPageLines().size(), 4u);
  EXPECT_EQ(testing::LastPageLines()[1], "               TRANSITING PLANET ASPECTS TO NATAL PLANETS   01 Jun 2024");
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
      {"New Date closed without OK: as Forward", [&] { NewDate(*data, "", "", ""); }, "02 Jun 2024"},
      {"New Date 28 February 2003", [&] { NewDate(*data, "2", "28", "2003"); }, "28 Feb 2003"},
      {"New Date 1 January 1, a Julian date", [&] { NewDate(*data, "1", "1", "1"); }, "01 Jan 1"},
      {"Backward from the first day New Date takes", [&] { data->mnuMoreBackward_Click(); }, "01 Jan 1"},
      {"New Date 31 December 2099", [&] { NewDate(*data, "12", "31", "2099"); }, "31 Dec 2099"},
      {"Forward from the last day New Date takes", [&] { data->mnuMoreZForward_Click(); }, "31 Dec 2099"},
  };
  for (const auto& step : steps) {
    step.run();
    EXPECT_EQ(testing::LastPageLines()[1].substr(60), step.date) << step.what;
  }
  EXPECT_EQ(NewDateWindow(App()).findChild<QLineEdit*>("txtYear")->text().toStdString(), "2099") << "New Date's offer";

  // Any other report ends the listing and takes the More menu away.
  item("mnuDataNatalData")->trigger();
  const std::vector<std::string> natal = testing::LastPageLines();
  EXPECT_EQ(App().flags.ListingActive, 0);
  EXPECT_FALSE(more->menuAction()->isVisible());
  data->mnuMoreZForward_Click();
  EXPECT_EQ(testing::LastPageLines(), natal) << "Forward does nothing without a listing";
}

TEST_F(ListingWindowsTest, OptionsWindowBoxesFollowTheSelectionAndListRuns) {
  AppState& s = App();
  item("mnuDataTransits")->trigger();
  DiurOptWindow* w = TheDiurOpt();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  // Hades (slot 17) off by default; each box sets its own place in the selection
  auto box = [w](const char* name) { return w->findChild<QCheckBox*>(name); };
  EXPECT_FALSE(box("chkTransit17")->isChecked());
  std::string expected = s.ini.TransitSelection;
  expected[16] = '1', expected[42] = '0';
  box("chkTransit17")->setChecked(true), box("chkNatal1")->setChecked(false);
  EXPECT_EQ(s.ini.TransitSelection, expected);

  // The Moon (slot 10) against natal slots 1 to 13: a period out of range,
  // or a first day the month does not have, is refused with the focus in the
  // box at fault and its text selected; one day lists.
  s.ini.TransitSelection = std::string(84, '0').replace(9, 1, 1, '1').replace(42, 13, 13, '1');
  const auto edit = [w](const char* name) { return w->findChild<QLineEdit*>(name); };
  const struct {
    const char* box;
    const char* text;
  } refused[] = {{"txtMonth", "13"}, {"txtDay", "31"},  {"txtDay", "0"},     {"txtYear", "99"},
                 {"txtYear", "2100"}, {"txtDays", "0"}, {"txtDays", "367"}, {"txtDays", "x"}};
  const std::pair<const char*, const char*> valid[] = {
      {"txtMonth", "6"}, {"txtDay", "1"}, {"txtYear", "2024"}, {"txtDays", "1"}};
  for (const auto& row : refused) {
    for (const auto& [name, text] : valid) edit(name)->setText(text);
    edit(row.box)->setText(row.text);
    messages.shown.clear();
    w->cmdList_Click();
    EXPECT_EQ(messages.Boxes(), std::vector<std::string>{std::string("Warning!: ") + ListingPeriodText}) << row.box;
    EXPECT_EQ(w->focusWidget(), edit(row.box)) << row.box << " " << row.text;
    EXPECT_EQ(edit(row.box)->selectedText().toStdString(), row.text) << row.box;
  }
  // Enter in a box presses List, the window's default button.
  edit("txtDays")->setText("0");
  messages.shown.clear();
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(edit("txtDays"), &enter);
  EXPECT_EQ(messages.Boxes(), std::vector<std::string>{std::string("Warning!: ") + ListingPeriodText});
  edit("txtDay")->setText("1");
  edit("txtDays")->setText("1");
  messages.shown.clear();
  w->findChild<QPushButton*>("cmdList")->click();
  const auto page = testing::LastPageLines();
  ASSERT_GE(page.size(), 12u);
  EXPECT_EQ(page[6], "  From 01 Jun 2024 00:00 to 01 Jun 2024 23:59   TZ =   4.00");
  EXPECT_EQ(page[11].substr(0, 15) + page[11].substr(20, 12), "  01 Jun 2024    Moon      ");
  EXPECT_EQ(s.report.DataLineCount, s.report.PageLineCount);  // buffer emptied first
  EXPECT_TRUE(w->isEnabled());
}

// A year's listing cancelled from its progress window, which shows Cancel
// and takes all input while the listing works: the page on view, the data
// buffer and the chart sets stay as they were.
TEST_F(ListingWindowsTest, ListingCancelledFromTheProgressWindow) {
  AppState& s = App();
  const struct {
    const char* what;
    std::function<void(StatusDlg&)> cancel;
  } ways[] = {
      {"Cancel", [](StatusDlg& d) { d.cmdCancel->click(); }},
      {"Escape",
       [](StatusDlg& d) {
         QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
         QApplication::sendEvent(&d, &escape);
       }},
      {"close control", [](StatusDlg& d) { d.close(); }},
  };
  for (const auto& way : ways) {
    item("mnuDataNatalData")->trigger();
    const std::vector<std::string> shown = testing::LastPageLines();
    const ReportBuffer report = s.report;
    const ChartSet working = s.chart.Working;
    DiurOptWindow* w = ShowDiurOpt(s);
    w->findChild<QLineEdit*>("txtDays")->setText("366");
    bool offered = false;
    QTimer::singleShot(0, [&] {
      StatusDlg* status = TheStatusDlg();
      ASSERT_NE(status, nullptr);
      offered = status->cmdCancel->isVisible() && status->windowModality() == Qt::ApplicationModal;
      way.cancel(*status);
    });
    w->findChild<QPushButton*>("cmdList")->click();
    EXPECT_TRUE(offered) << way.what;
    EXPECT_EQ(TheStatusDlg(), nullptr) << way.what;
    EXPECT_EQ(testing::LastPageLines(), shown) << way.what;
    EXPECT_EQ(std::tuple(s.report.PageLines, s.report.PageLineCount, s.report.DataLines, s.report.DataLineCount),
              std::tuple(report.PageLines, report.PageLineCount, report.DataLines, report.DataLineCount))
        << way.what;
    EXPECT_TRUE(s.chart.Working == working) << way.what;
    EXPECT_TRUE(w->isEnabled()) << way.what;
    EXPECT_FALSE(BusyPointerShown()) << way.what;
  }
}

// Once the search is done nothing cancels the listing any more: the
// progress window goes before the page is written, rather than show a
// Cancel and a close control that nothing answers.
TEST_F(ListingWindowsTest, TheProgressWindowGoesWhenTheSearchIsDone) {
  bool cancelled = false;
  ShowCancellableStatusDlg([&cancelled] { cancelled = true; });
  const struct { long done, total; bool shown; } reports[] = {{0, 100, true}, {99, 100, true}, {100, 100, false}};
  for (const auto& r : reports) {
    ReportCancellableListingProgress(r.done, r.total);
    EXPECT_EQ(TheStatusDlg() != nullptr, r.shown) << r.done << " of " << r.total;
  }
  EXPECT_FALSE(cancelled);
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
  const std::vector<std::string> before = testing::LastPageLines();
  w->cmdList_Click();
  EXPECT_EQ(messages.Boxes(),
            std::vector<std::string>{"Error!: File not found: DIURNAL.ORB (" + s.AppPath + "/DIURNAL.ORB)"});
  EXPECT_EQ(testing::LastPageLines(), before);
  EXPECT_TRUE(w->isEnabled());
}

// Commands that run out of memory, run from the event dispatch as the
// program runs them: each says so and names itself, changes no file, and
// leaves the page, the data buffer and the windows as they were.
TEST_F(ListingWindowsTest, ACommandWithoutMemoryIsNotDone) {
  AppState& s = App();
  item("mnuDataNatalData")->trigger();
  DiurOptWindow* w = ShowDiurOpt(s);
  w->findChild<QLineEdit*>("txtDays")->setText("366");
  // 1.2 MB of orbs in the editor, which its Save holds several times over
  const std::string orbs = s.AppPath + "/DIURNAL.ORB";
  std::ofstream(orbs, std::ios::app) << std::string(20000 * 60, '\n');
  w->findChild<QPushButton*>("cmdOrbs")->click();
  QPushButton* save = nullptr;
  for (QWidget* editor : QApplication::topLevelWidgets())
    if (qobject_cast<TextEditorWindow*>(editor)) save = editor->findChild<QPushButton*>("btnSave");
  auto list = [&] { testing::ClickButton(*w->findChild<QPushButton*>("cmdList")); };
  using On = testing::AllocationFaults::On;
  const std::string notDone = "Warning!: Out of memory. \"List\" was not done.";
  const struct {
    const char* what;
    testing::AllocationFaults faults;
    std::string box;
    std::function<void()> run;
  } rows[] = {
      {"a range of the search", {.bytes = 64 << 10, .on = On::OtherThreads}, notDone, list},
      {"no thread for a range", {.bytes = SIZE_MAX, .threadsRefused = true}, notDone, list},
      {"the table's rows", {.bytes = 2 << 20, .times = 1}, "Warning!: Out of memory. \"Table of Houses\" was not done.",
       [&] {
         messages.inputAnswers = {"1", "10000"};
         testing::ChooseMenuItem(*item("mnuDataListTransits"));
       }},
      {"the table by its letter, another item lit", {.bytes = 2 << 20, .times = 1},
       "Warning!: Out of memory. \"Table of Houses\" was not done.",
       [&] {
         messages.inputAnswers = {"1", "10000"};
         auto* menu = qobject_cast<QMenu*>(item("mnuDataListTransits")->parent());
         menu->popup(QPoint(0, 0));
         menu->setActiveAction(menu->actions().front());
         QKeyEvent letter(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, "e");
         QCoreApplication::sendEvent(menu, &letter);
       }},
      {"the editor's text", {.times = 1}, "Warning!: Out of memory. \"Save\" was not done.",
       [&] { testing::ClickButton(*save); }},
  };
  for (const auto& row : rows) {
    if (row.faults.threadsRefused && !testing::LibcFaults()) continue;
    const std::vector<std::string> shown = testing::LastPageLines();
    const ReportBuffer report = s.report;
    const std::string orbBytes = ReadWholeFile(orbs).value();
    messages.shown.clear();
    {
      const testing::FailingAllocations noMemory(row.faults);
      row.run();
      EXPECT_GT(noMemory.Refused(), 0) << row.what;
    }
    EXPECT_EQ(messages.Boxes(), std::vector<std::string>{row.box}) << row.what;
    EXPECT_EQ(testing::LastPageLines(), shown) << row.what;
    EXPECT_EQ(std::tuple(s.report.PageLines, s.report.DataLines), std::tuple(report.PageLines, report.DataLines))
        << row.what;
    EXPECT_TRUE(ReadWholeFile(orbs) == orbBytes && w->isEnabled() && !BusyPointerShown() && !TheStatusDlg())
        << row.what;
  }
}

// The box that says so is built in the room set aside for it: in a fresh
// program whose address space is full (limited to what it has mapped), a
// command that runs out of memory still gets its box.
using OutOfMemoryBox = testing::GuiTest;  // nothing made beyond the application

TEST_F(OutOfMemoryBox, HasItsRoomWhenNoneIsLeft) {
  if (!testing::LibcFaults()) GTEST_SKIP() << "the sanitizers map their own memory as they go";
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process, which has built no box yet
  const auto run = [] {
    App().services.messages = nullptr;  // a real box
    QPushButton list("&List");
    QObject::connect(&list, &QPushButton::clicked, [] { static std::vector<char> page; page.resize(64 << 20); });
    std::string said;
    QTimer::singleShot(0, [&said] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        said = box->text().toStdString();
        box->accept();
      }
    });
    const testing::LoopWatchdog watchdog("the box");
    rlimit limit{};
    getrlimit(RLIMIT_AS, &limit);
    std::ifstream("/proc/self/statm") >> limit.rlim_cur;  // in pages
    limit.rlim_cur *= sysconf(_SC_PAGESIZE);
    setrlimit(RLIMIT_AS, &limit);
    testing::ClickButton(list);
    std::_Exit(said == "Out of memory. \"List\" was not done." ? 0 : 1);
  };
  EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "");
}

// The grid of the natal window's day, 5 June 2024 (a Wednesday) at New York,
// zone 4, 74 00 W 40 43 N, and its page.
TEST_F(ListingWindowsTest, PlanetaryHoursGridOfTheNatalDaySentToOutput) {
  InputD().WriteMoment({"6", "5", "2024", "12", "0", true});
  InputD().WritePlace({"4", "74", "0", "40", "43", false, false});
  PlanetaryHoursWindow* w = ShowPlanetaryHours(App());
  ASSERT_NE(w, nullptr);
  const PlanetaryHoursTable& table = w->Table();
  EXPECT_EQ(table.weekday, 0);
  auto* grid = w->findChild<QTableWidget*>("grdHours");
  ASSERT_EQ(grid->rowCount(), 24);
  for (int row = 0; row < 24; ++row) {
    const PlanetaryHour& h = table.hours[row];
    EXPECT_EQ((grid->item(row, 0)->text() + "|" + grid->item(row, 1)->text() + "|" + grid->item(row, 3)->text())
                  .toStdString(),
              (h.night ? "Night " : "Day ") + std::to_string(h.hour) + "|" + HourText(h.start) + "|" + h.ruler);
  }
  w->findChild<QPushButton*>("cmdSendToOutput")->click();
  ASSERT_GE(testing::LastPageLines().size(), 4u);
  EXPECT_EQ(testing::LastPageLines()[3].substr(0, 27), "  05 Jun 2024   Mercury day");
}

TEST_F(ListingWindowsTest, PlanetaryHoursRefuseAChartNorthOf66Degrees) {
  App().input.NatalPlace = Place::FromDegreesMinutes({87, 39}, false, {66, 1}, false);
  EXPECT_EQ(ShowPlanetaryHours(App()), nullptr);
  EXPECT_EQ(messages.Boxes(), std::vector<std::string>{"Warning!: Cannot calculate planetary hours. The latitude is "
                                                        "too extreme. It must be 66 degrees, 0 minutes or below."});
}

}  // namespace
}  // namespace halcyra
