// Where windows open: below the main window's menu bar, beside the windows
// already open where there is room, and inside the screen.
#include <QScreen>

#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/geograph_window.h"
#include "chart_input/ui/input_windows.h"
#include "chart_input/ui/names_window.h"
#include "chart_input/ui/time_zone_window.h"
#include "gui_test_support.h"
#include "shell/data_file.h"
#include "shell/ui/print_window.h"
#include "shell/ui/startup_windows.h"
#include "shell/ui/text_editors.h"
#include "shell/ui/window_placement.h"

namespace halcyra {
namespace {

// A 1280 x 1024 screen with the main window's frame across its top.
TEST(WindowPlacement, FirstFreePlaceBelowTheMainWindow) {
  const QRect screen(0, 0, 1280, 1024), main(0, 0, 800, 40);
  const struct { QRect main; QSize size; std::vector<QRect> taken; QPoint expected; const char* why; } cases[] = {
      {main, {300, 200}, {}, {0, 44}, "an empty desktop: just below the menu bar"},
      {main, {300, 200}, {{0, 44, 300, 200}}, {304, 44}, "beside the first window"},
      {main, {300, 200}, {{0, 44, 600, 200}, {604, 44, 600, 200}}, {0, 248}, "the first row is full: the next row"},
      {{300, 0, 800, 40}, {200, 100}, {{300, 44, 900, 300}}, {0, 44}, "left of the main window's edge as a last resort in a row"},
      {{1000, 500, 280, 40}, {400, 300}, {}, {880, 544}, "a main window at the right edge: flush with the screen's edge"},
      {main, {1300, 200}, {}, {0, 44}, "wider than the screen: its left end"},
      {main, {300, 1100}, {}, {0, 0}, "taller than the screen: its top"},
      {{0, 900, 800, 40}, {300, 200}, {}, {0, 824}, "no room below: moved up inside the screen"},
      {main, {700, 500}, {{0, 44, 600, 400}, {0, 448, 1280, 576}}, {580, 44}, "no free place: the least overlap"},
  };
  for (const auto& c : cases) EXPECT_EQ(FreePlaceBelow(c.main, c.size, screen, c.taken), c.expected) << c.why;
}

class WindowPlacementTest : public testing::GuiTest {
 protected:
  void SetUp() override {
    App().AppPath = testing::ScratchProgramFolder("placement", {".OPT", ".MAS", ".ORB", ".FIL", ".LL", ".DAT"});
    App().ini.NamesFileName = App().AppPath + "/NAMES.FIL";
    App().ini.CityFileName = App().AppPath + "/GA_MA.LL";
    App().options.OrbFileName = App().AppPath + "/NATAL.ORB";
    InstallWindowPlacement();
  }
  testing::RecordingSink sink;
};

// The windows of the complaint, opened one after another the way a user
// does: each starts below the main window's menu bar, inside the screen,
// and the first ones stand side by side.
TEST_F(WindowPlacementTest, WindowsOpenBelowTheMenuBarInsideTheScreen) {
  MainWindow main;
  main.move(0, 0);
  main.resize(700, main.height());
  main.show();
  const QRect area = main.screen()->availableGeometry();
  ASSERT_TRUE(WritePrintFile(App(), {"one line"}, 0));
  const std::vector<std::pair<const char*, std::function<QWidget*()>>> opened = {
      {"Names", [] { InputD().show(); UnloadNames(); Names().show(); return &Names(); }},
      {"Cities", [] { Geograph().show(); return &Geograph(); }},
      {"Zones", [] { TimeZone().show(); return &TimeZone(); }},
      {"print", [] { return ShowPrintWindow(App()); }},
      {"names editor", [] { return ShowTextEditor(App(), EditorKind::NameEdit); }},
      {"About", [] { return ShowAboutWindow(); }},
  };
  std::vector<QRect> frames;
  for (const auto& [name, open] : opened) {
    QWidget* window = open();
    const QRect frame = window->frameGeometry();
    if (frame.height() <= area.bottom() - main.frameGeometry().bottom()) {
      EXPECT_GT(frame.top(), main.frameGeometry().bottom()) << name << " covers the menu bar";
    }
    EXPECT_TRUE(area.contains(frame) || frame.width() > area.width() || frame.height() > area.height())
        << name << " leaves the screen";
    frames.push_back(frame);
  }
  // While there is room the windows stand side by side.
  const QRect input = InputD().frameGeometry();
  EXPECT_FALSE(frames[0].intersects(input) || frames[1].intersects(input) || frames[0].intersects(frames[1]));
  EXPECT_TRUE(sink.shown.empty());
}

// A window at a position its own code recorded (the INI file's) stays there
// even partly off the screen; one put in the row below the main window is
// pulled back inside.
TEST_F(WindowPlacementTest, RecordedPositionsStayRowPlacesStayOnTheScreen) {
  MainWindow main;
  main.move(0, 0);
  main.show();
  const QRect area = main.screen()->availableGeometry();
  QWidget recorded, row;
  recorded.resize(area.width(), 100);
  recorded.move(30, 200);
  recorded.show();
  EXPECT_EQ(recorded.pos(), QPoint(30, 200));
  row.resize(300, 100);
  PlaceBelowMainWindow(row, area.width() - 100);
  row.show();
  EXPECT_TRUE(area.contains(row.frameGeometry())) << row.x();
  EXPECT_GT(row.y(), main.frameGeometry().bottom());
}

}  // namespace
}  // namespace halcyra
