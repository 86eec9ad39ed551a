// Where windows open: below the main window's menu bar, beside the windows
// already open where there is room, and inside the screen.
#include <QMainWindow>
#include <QMenuBar>
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
  const struct {
    QRect main;
    QSize size;
    std::vector<QRect> taken;
    QPoint expected;
    const char* why;
    std::vector<QRect> bands = {};  // the title and menu bars of the taken windows
  } cases[] = {
      {main, {300, 200}, {}, {0, 44}, "an empty desktop: just below the menu bar"},
      {main, {300, 200}, {{0, 44, 300, 200}}, {304, 44}, "beside the first window"},
      {main, {300, 200}, {{0, 44, 600, 200}, {604, 44, 600, 200}}, {0, 248}, "the first row is full: the next row"},
      {{300, 0, 800, 40}, {200, 100}, {{300, 44, 900, 300}}, {0, 44}, "left of the main window's edge as a last resort in a row"},
      {{1000, 500, 280, 40}, {400, 300}, {}, {880, 544}, "a main window at the right edge: flush with the screen's edge"},
      {main, {1300, 200}, {}, {0, 44}, "wider than the screen: its left end"},
      {main, {300, 1100}, {}, {0, 0}, "taller than the screen: its top"},
      {{0, 900, 800, 40}, {300, 200}, {}, {0, 824}, "no room below: moved up inside the screen"},
      {main, {700, 500}, {{0, 44, 600, 400}, {0, 448, 1280, 576}}, {580, 44}, "no free place: the least overlap"},
      {main, {700, 500}, {{0, 44, 600, 400}, {0, 448, 1280, 576}}, {0, 524},
       "no free place: the least overlap that leaves the title and menu bars in sight, at the bottom edge",
       {{0, 44, 600, 45}, {0, 448, 1280, 45}}},
      {main, {642, 162}, {{0, 44, 1280, 980}}, {0, 862},
       "beside a window as tall as the screen: along the bottom edge, clear of its menus", {{0, 44, 1280, 45}}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FreePlaceBelow(c.main, c.size, screen, c.taken, c.bands), c.expected) << c.why;
}

// Frames fitted below the main window (floor 55, the first row under a
// 51 pixel main window frame) with openbox's margins: title bar 23, borders
// 1, bottom grip 6.
TEST(WindowPlacement, FramesFitInsideTheScreenBelowTheMainWindow) {
  const QMargins ob(1, 23, 1, 6);
  const QRect wide(0, 0, 1280, 800), full(0, 0, 1920, 1080), small(0, 0, 800, 600), panel(0, 30, 1920, 1050);
  const struct {
    FrameRequest request;
    QRect screen;
    int floor;
    QRect expected;
    const char* why;
  } cases[] = {
      {{{0, 44, 349, 318}, ob}, wide, 55, {0, 55, 349, 318}, "an input window over the menu bar goes below it"},
      {{{0, 55, 939, 796}, ob, {0, 0}, true}, wide, 55, {0, 55, 876, 745},
       "the 937 x 767 wheel on 1280 x 800 shrinks in proportion to the room below the menu bar"},
      {{{0, 55, 939, 796}, ob, {0, 0}, true}, full, 55, {0, 55, 939, 796}, "the wheel fits 1920 x 1080 as it is"},
      {{{943, 55, 374, 380}, ob}, wide, 55, {906, 55, 374, 380}, "Keywords beside the wheel stays on the screen"},
      {{{2500, 1400, 642, 160}, ob}, wide, 55, {638, 640, 642, 160}, "an INI place off today's screen moves inside"},
      {{{-300, -300, 642, 160}, ob}, full, 55, {0, 55, 642, 160}, "left of and above the screen"},
      {{{0, 55, 402, 780}, ob, {400, 751}}, wide, 55, {0, 20, 402, 780},
       "too tall to shrink below the menu bar: it rises only as far as it must"},
      {{{100, 100, 1400, 900}, ob, {1398, 871}}, wide, 55, {0, 0, 1400, 900}, "larger than the screen: its top left"},
      {{{0, 55, 702, 729}, ob, {300, 200}}, small, 55, {0, 55, 702, 545}, "a tall Data window on 800 x 600 gets shorter"},
      {{{0, 55, 902, 729}, ob, {300, 200}}, small, 55, {0, 55, 800, 545}, "narrowed to the screen's width"},
      {{{0, 55, 902, 729}, ob, {850, 200}}, small, 55, {0, 55, 852, 545},
       "never narrower than its minimum: it stands at the screen's left edge"},
      {{{0, 55, 902, 729}, ob, {0, 0}, true}, small, 55, {0, 55, 665, 545}, "in proportion when it keeps its aspect"},
      {{{0, 0, 572, 51}, ob}, panel, 30, {0, 30, 572, 51}, "the main window below a panel at the top"},
      {{{0, 60, 300, 200}, {}}, wide, 55, {0, 60, 300, 200}, "no frame (offscreen) and in place: unchanged"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FitFrame(c.request, c.screen, c.floor), c.expected) << c.why;
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

// A window at a position its own code recorded (the INI file's) is kept on
// the screen below the menu bar; one put in the row below the main window is
// pulled back inside; a recorded place over another window's title and menu
// bar gives way to a free place.
TEST_F(WindowPlacementTest, RecordedAndRowPlacesStayOnTheScreen) {
  MainWindow main;
  main.move(0, 0);
  main.show();
  const QRect area = main.screen()->availableGeometry();
  const int floor = main.frameGeometry().bottom() + 1;
  QWidget recorded, row;
  recorded.resize(300, 100);
  recorded.move(area.right() - 100, -50);
  recorded.show();
  EXPECT_TRUE(area.contains(recorded.frameGeometry())) << recorded.x();
  EXPECT_GE(recorded.frameGeometry().top(), floor);
  row.resize(300, 100);
  PlaceBelowMainWindow(row, area.width() - 100);
  row.show();
  EXPECT_TRUE(area.contains(row.frameGeometry())) << row.x();
  EXPECT_GE(row.frameGeometry().top(), floor);

  QMainWindow data;
  data.menuBar()->addMenu("File");
  data.resize(400, 200);
  PlaceBelowMainWindow(data);
  data.show();
  QWidget strip;
  strip.resize(400, 60);
  strip.move(0, 0);  // the strip's default place, just below the main window
  strip.show();
  EXPECT_FALSE(strip.frameGeometry().intersects(data.frameGeometry())) << strip.y();
  EXPECT_TRUE(area.contains(strip.frameGeometry()));
}

}  // namespace
}  // namespace halcyra
