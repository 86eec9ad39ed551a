// The wheel after the Data menu's commands: the dated transit listing
// (Ctrl+F1) and its More menu rewrite the chart clock and the working set
// for the listed day and leave the More menu on view, and every wheel must
// still draw exactly as it does without them.
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <map>

#include "wheel_commands_fixture.h"
#include "wheels/recording_surface.h"
#include "wheels/wheel_paint_state.h"

namespace halcyra {
namespace {

// Every command of the Wheels menu, in menu order.
constexpr const char* kWheelCommands[] = {
    "mnuWheelsSingleNatal",         "mnuWheelsSingleNatalSP",     "mnuWheelsSingleSolarArc",
    "mnuWheelsSingleTransits",      "mnuWheelsSingleSolarReturn", "mnuWheelsSingleLunarReturn",
    "mnuWheelsSingleIngress",       "mnuWheelsSingleSolarEquilibrium", "mnuWheelsSingleUserDefinedAsc",
    "mnuWheelsDualNatSP",           "mnuWheelsDualNatalProgressed", "mnuWheelsDualNatalSolarArc",
    "mnuWheelsDualNatTran",         "mnuWheelsDualNatSR",         "mnuWheelsDualNatLR",
    "mnuWheelsDualNatIng",          "mnuWheelsDualNatalSETran",   "mnuWheelsDualNatalUserTran"};

// What the user sees of a wheel and what was drawn for it.
struct WheelDrawing {
  QImage window;                 // the drawing area as a paint event leaves it
  std::vector<std::string> log;  // the paint of the same state on a recording surface
};

// The items of two recordings that differ, as "got | expected" lines.
std::string Differences(const std::vector<std::string>& got, const std::vector<std::string>& expected) {
  std::string text;
  for (size_t i = 0; i < std::max(got.size(), expected.size()); ++i) {
    const std::string a = i < got.size() ? got[i] : "<none>", b = i < expected.size() ? expected[i] : "<none>";
    if (a != b) text += "\n  " + a + " | " + b;
  }
  return text;
}

class WheelAfterListingTest : public testing::WheelCommandsTest {
 protected:
  // The wheel a Wheels command shows (every prompt answered with its
  // default), painted by the window as a paint event would.
  WheelDrawing Drawing(const char* command) {
    Main(command);
    WheelsWindow* wheels = TheWheelsWindow();
    if (!wheels) return {};
    WheelDrawing drawing;
    drawing.window = wheels->findChild<QWidget*>("Picture")->grab().toImage();
    // the window's paint on a recording surface: display sets, orbs, wheel
    GetProperPlanets(App());
    EXPECT_EQ(ReloadWheelOrbs(App()), std::nullopt) << command;
    RecordingSurface surface;
    PaintWheelFromState(App(), surface, false);
    drawing.log = surface.Log();
    return drawing;
  }
  QAction* DataWindowItem(const char* name) {
    return CurrentDataWindow() ? CurrentDataWindow()->findChild<QAction*>(name) : nullptr;
  }
  // New Date (F4) of the Data window's More menu, its window answered with
  // OK on the day it proposes.
  void NewDateOk() {
    QTimer::singleShot(0, [] {
      for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "NewDate" && top->isVisible())
          if (auto* ok = top->findChild<QPushButton*>("cmdOK")) ok->click();
    });
    testing::LoopWatchdog watchdog("New Date");
    DataWindowItem("mnuMoreNewDate")->trigger();
  }
  // A blank drawing area is one colour all over.
  static bool Blank(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != image.pixel(0, 0)) return false;
    return true;
  }
};

TEST_F(WheelAfterListingTest, EveryWheelDrawsAsWithoutTheDatedListing) {
  testing::RecordingSink sink;  // every prompt answers its default
  std::map<std::string, WheelDrawing> without;
  for (const char* command : kWheelCommands) {
    without[command] = Drawing(command);
    ASSERT_FALSE(without[command].window.isNull()) << command;
    ASSERT_FALSE(Blank(without[command].window)) << command;
  }
  // each way the dated listing can stand when a wheel is asked for
  const std::vector<std::pair<std::string, std::function<void()>>> steps = {
      {"Transit Interpretations", [this] { Main("mnuDataTransitInterpretations"); }},
      {"then Forward", [this] { DataWindowItem("mnuMoreZForward")->trigger(); }},
      {"then Backward", [this] { DataWindowItem("mnuMoreBackward")->trigger(); }},
      {"then New Date", [this] { NewDateOk(); }},
  };
  for (const auto& [name, step] : steps) {
    step();
    ASSERT_EQ(App().flags.ListingActive, 1) << name;
    for (const char* command : kWheelCommands) {
      const WheelDrawing after = Drawing(command);
      EXPECT_TRUE(after.window == without[command].window) << command << " after " << name;
      EXPECT_EQ(Differences(after.log, without[command].log), "") << command << " after " << name;
    }
  }
  EXPECT_TRUE(sink.shown.empty());
}

// The listing goes on as it would without a wheel: the wheel's paint fills
// the working set with what it shows, and the next day is computed afresh.
TEST_F(WheelAfterListingTest, TheListingsPagesStayAsTheyAreWithAWheelBetween) {
  testing::RecordingSink sink;
  Main("mnuDataTransitInterpretations");
  const std::vector<std::string> firstDay = testing::LastPageLines();
  DataWindowItem("mnuMoreZForward")->trigger();
  const std::vector<std::string> secondDay = testing::LastPageLines();
  ASSERT_NE(firstDay, secondDay);

  // the chart again, which starts the listing on the transit day once more
  App().services.CalculateChart(App());
  Main("mnuDataTransitInterpretations");
  EXPECT_EQ(testing::LastPageLines(), firstDay);
  Drawing("mnuWheelsDualNatTran");
  DataWindowItem("mnuMoreZForward")->trigger();
  EXPECT_EQ(testing::LastPageLines(), secondDay);
  Drawing("mnuWheelsSingleNatal");
  DataWindowItem("mnuMoreBackward")->trigger();
  EXPECT_EQ(testing::LastPageLines(), firstDay);
}

TEST_F(WheelAfterListingTest, NoDataMenuCommandLeavesTheNatalWheelBlank) {
  testing::RecordingSink sink;
  const WheelDrawing natal = Drawing("mnuWheelsSingleNatal");
  ASSERT_FALSE(Blank(natal.window));
  QMenu* data = main->dataMenu;
  for (QAction* item : data->actions()) {
    if (item->isSeparator()) continue;
    // the Table of Houses asks for its step and rows
    sink.inputAnswers = {"30", "2"};
    item->trigger();
    const WheelDrawing after = Drawing("mnuWheelsSingleNatal");
    EXPECT_FALSE(Blank(after.window)) << item->objectName().toStdString();
    EXPECT_TRUE(after.window == natal.window) << item->objectName().toStdString();
  }
}

}  // namespace
}  // namespace halcyra
