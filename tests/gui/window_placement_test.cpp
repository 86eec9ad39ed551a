// Where windows open: in the rooms below and above the main window's menu
// bar, beside the windows already open where there is room, inside the
// screen, and over as little of the main window's menus as they can.
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <optional>

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

// A failing row shows its rectangles as x,y width x height.
void PrintTo(const QRect& r, std::ostream* out) {
  *out << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height();
}

namespace halcyra {
namespace {

// A 1280 x 1024 screen with the main window's frame across its top.
TEST(WindowPlacement, FirstFreePlaceBesideTheMainWindow) {
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
      {{0, 900, 800, 40}, {300, 200}, {}, {0, 0}, "no room below: the top of the screen, clear of the main window"},
      {{0, 900, 800, 40}, {300, 200}, {{0, 0, 600, 400}}, {604, 0}, "no room below: beside the windows above"},
      {{0, 800, 800, 40}, {300, 200}, {{0, 0, 1280, 400}}, {0, 404}, "no room below: below the windows above"},
      {{0, 800, 800, 40}, {300, 200}, {{0, 0, 1280, 592}}, {0, 596}, "just room below the windows above"},
      {{0, 800, 800, 40}, {300, 200}, {{0, 0, 1280, 593}}, {0, 596},
       "a row short of room below the windows above: flush with the bottom of the room"},
      {main, {700, 500}, {{0, 44, 600, 400}, {0, 448, 1280, 576}}, {580, 44}, "no free place: the least overlap"},
      {main, {700, 500}, {{0, 44, 600, 400}, {0, 448, 1280, 576}}, {0, 524},
       "no free place: the least overlap that leaves the title and menu bars in sight, at the bottom edge",
       {{0, 44, 600, 45}, {0, 448, 1280, 45}}},
      {main, {642, 162}, {{0, 44, 1280, 980}}, {0, 862},
       "beside a window as tall as the screen: along the bottom edge, clear of its menus", {{0, 44, 1280, 45}}},
  };
  for (const auto& c : cases) {
    // made no smaller: the place alone is looked for
    const FrameRequest request{{{0, 0}, c.size}, {}, c.size};
    EXPECT_EQ(FreePlaceBeside(c.main, request, screen, {c.taken, c.bands}), QRect(c.expected, c.size)) << c.why;
  }
}

// Frames fitted beside the main window with openbox's margins: title bar
// 23, borders 1, bottom grip 6. `top` is a main window frame across the top
// of the screen (the first row under it is 55), `corner` one brought into
// the bottom right corner of 1280 x 800 (an INI place of a larger screen),
// `middle` one halfway down.
TEST(WindowPlacement, FramesFitInsideTheScreenBesideTheMainWindow) {
  const QMargins ob(1, 23, 1, 6);
  const QRect wide(0, 0, 1280, 800), full(0, 0, 1920, 1080), small(0, 0, 800, 600), panel(0, 30, 1920, 1050);
  const QRect top(0, 0, 572, 51), corner(702, 745, 572, 49), middle(0, 400, 572, 49), low(0, 700, 572, 49);
  // The main window's menu items along a menu bar at `y`, its frame at x 300.
  const auto menuAt = [](int y) {
    return std::vector<QRect>{{307, y, 28, 22},  {341, y, 40, 22}, {387, y, 64, 22}, {457, y, 35, 22},
                              {498, y, 70, 22}, {574, y, 49, 22}, {629, y, 40, 22}};
  };
  const FrameRequest zones{{300, 345, 544, 423}, ob, {542, 394}}, cities{{300, 311, 344, 457}, ob, {342, 428}};
  const struct {
    FrameRequest request;
    QRect screen;
    QRect main;
    QRect expected;
    const char* why;
    std::vector<QRect> menuItems = {};  // the main window's
    std::vector<QRect> kept = {};
  } cases[] = {
      {{{0, 44, 349, 318}, ob}, wide, top, {0, 55, 349, 318}, "an input window over the menu bar goes below it"},
      {{{0, 55, 939, 796}, ob, {0, 0}, true}, wide, top, {0, 55, 876, 745},
       "the 937 x 767 wheel on 1280 x 800 shrinks in proportion to the room below the menu bar"},
      {{{0, 55, 939, 796}, ob, {0, 0}, true}, full, top, {0, 55, 939, 796}, "the wheel fits 1920 x 1080 as it is"},
      {{{943, 55, 374, 380}, ob}, wide, top, {906, 55, 374, 380}, "Keywords beside the wheel stays on the screen"},
      {{{2500, 1400, 642, 160}, ob}, wide, top, {638, 640, 642, 160}, "an INI place off today's screen moves inside"},
      {{{-300, -300, 642, 160}, ob}, full, top, {0, 55, 642, 160}, "left of and above the screen"},
      {{{0, 55, 402, 780}, ob, {400, 751}}, wide, top, {576, 20, 402, 780},
       "too tall to shrink below the menu bar: whole in the column right of the main window"},
      {{{100, 100, 1400, 900}, ob, {1398, 871}}, wide, top, {0, 0, 1400, 900}, "larger than the screen: its top left"},
      {{{0, 55, 702, 729}, ob, {300, 200}}, small, top, {0, 55, 702, 545},
       "a tall Data window on 800 x 600 gets shorter"},
      {{{0, 55, 902, 729}, ob, {300, 200}}, small, top, {0, 55, 800, 545}, "narrowed to the screen's width"},
      {{{0, 55, 902, 729}, ob, {850, 200}}, small, top, {0, 55, 852, 545},
       "never narrower than its minimum: it stands at the screen's left edge"},
      {{{0, 55, 902, 729}, ob, {0, 0}, true}, small, top, {0, 55, 665, 545}, "in proportion when it keeps its aspect"},
      {{{0, 0, 572, 51}, ob}, panel, {}, {0, 30, 572, 51}, "the main window below a panel at the top"},
      {{{0, 60, 300, 200}, {}}, wide, top, {0, 60, 300, 200}, "no frame (offscreen) and in place: unchanged"},
      // The room below ends at the screen's bottom edge.
      {{{0, 55, 300, 745}, ob}, wide, top, {0, 55, 300, 745}, "as tall as the room below: unchanged"},
      {{{0, 55, 300, 746}, ob}, wide, top, {0, 55, 300, 745}, "a row taller than the room below: one row shorter"},
      // A main window low on the screen: the room above it.
      {{{702, 798, 939, 796}, ob, {0, 22}, true}, wide, corner, {409, 0, 871, 741},
       "the wheel under a main window in the bottom corner: in proportion above it, never an empty window"},
      {{{702, 798, 642, 463}, ob, {70, 92}}, wide, corner, {638, 278, 642, 463},
       "the Data window under a main window in the bottom corner: whole, above it"},
      {{{0, 753, 300, 696}, ob, {298, 667}}, wide, low, {0, 0, 300, 696}, "as tall as the room above: whole there"},
      // Too tall for either room at its smallest: beside the main window.
      {{{0, 753, 300, 702}, ob, {298, 673}}, wide, low, {576, 98, 300, 702}, "in the column right of the main window"},
      {{{0, 753, 300, 702}, ob, {298, 673}}, wide, {304, 700, 900, 49}, {0, 98, 300, 702},
       "no room right of it: in the column left of it, just as wide"},
      {{{0, 753, 300, 760}, ob, {298, 673}}, wide, {304, 700, 900, 49}, {0, 40, 300, 760},
       "the column left of it as wide, a gap away from it: whole there"},
      {{{0, 753, 300, 760}, ob, {298, 673}}, wide, {303, 700, 900, 49}, {0, 98, 300, 702},
       "that column a pixel narrower: at its smallest over the main window's rows"},
      {{{0, 753, 300, 800}, ob, {298, 771}}, wide, low, {576, 0, 300, 800}, "as tall as the column: in it"},
      {{{0, 753, 300, 801}, ob, {298, 772}}, wide, low, {980, 0, 300, 801},
       "a pixel taller than the column: at the screen's right edge, clear of the main window"},
      {{{0, 753, 600, 702}, ob, {298, 673}}, wide, {500, 700, 300, 49}, {0, 98, 496, 702},
       "both columns hold it made narrower: the wider, left"},
      {{{0, 753, 600, 702}, ob, {298, 673}}, wide, {480, 700, 300, 49}, {784, 98, 496, 702},
       "both columns hold it made narrower: the wider, right"},
      // No column holds it: over the main window, at its smallest.
      {{{0, 753, 300, 702}, ob, {298, 673}}, wide, {200, 300, 900, 49}, {980, 98, 300, 702},
       "over the main window's right end, clear of its menu items",
       {{207, 323, 28, 22}, {241, 323, 40, 22}, {287, 323, 64, 22}}},
      {{{300, 364, 544, 423}, ob, {542, 394}}, {0, 0, 1024, 768}, {300, 311, 572, 49}, {480, 345, 544, 423},
       "Time Zones with no place clear of the menu items: the fewest of their pixels hidden, their tops in sight",
       menuAt(333)},
      // The lists after Input on 1024 x 768, the input windows beside the main window.
      {zones, {0, 0, 1024, 768}, {300, 300, 572, 49}, {480, 345, 544, 423},
       "Time Zones beside the natal input window it fills, below the main window", menuAt(322), {{0, 353, 349, 316}}},
      {zones, {0, 0, 1024, 768}, {300, 420, 572, 49}, {480, 0, 544, 423},
       "Time Zones beside the natal input window above the main window", menuAt(442), {{0, 53, 349, 316}}},
      {cities, {0, 0, 1024, 768}, {300, 300, 572, 49}, {680, 311, 344, 457},
       "Cities over the transit input window: every place clear of it hides a menu item", menuAt(322),
       {{661, 353, 349, 314}}},
      {{{0, 453, 300, 300}, ob}, wide, middle, {0, 453, 300, 300}, "below a main window halfway down: it stays"},
      {{{0, 90, 300, 300}, ob}, wide, middle, {0, 90, 300, 300}, "above a main window halfway down: it stays"},
      {{{0, 453, 300, 380}, ob, {298, 351}}, wide, middle, {0, 16, 300, 380},
       "too tall for the room below, whole in the room above"},
      {{{0, 453, 300, 500}, ob}, wide, middle, {0, 0, 300, 396}, "made shorter where it keeps most of its size"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FitFrame(c.request, c.screen, c.main, c.menuItems, c.kept), c.expected) << c.why;
}

// The main window's first place on a 1280 x 800 screen: kept where its whole
// frame lies on the screen, else at the screen's top left corner.
TEST(WindowPlacement, TheMainWindowKeepsAPlaceThatFitsTheScreen) {
  const QMargins ob(1, 23, 1, 6);
  const QRect wide(0, 0, 1280, 800), panel(0, 30, 1280, 770);
  const struct {
    QRect frame;
    QRect screen;
    QRect expected;
    const char* why;
  } cases[] = {
      {{1800, 1200, 572, 49}, wide, {0, 0, 572, 49}, "an INI place of a 2560 x 1440 screen: home, not the corner"},
      {{708, 751, 572, 49}, wide, {708, 751, 572, 49}, "dragged into the bottom right corner: kept"},
      {{709, 751, 572, 49}, wide, {0, 0, 572, 49}, "a pixel past the right edge: home"},
      {{708, 752, 572, 49}, wide, {0, 0, 572, 49}, "a pixel past the bottom edge: home"},
      {{-1, 0, 572, 49}, wide, {0, 0, 572, 49}, "a pixel left of the screen: home"},
      {{0, 0, 572, 49}, panel, {0, 30, 572, 49}, "under a panel at the top: home below it"},
      {{0, 0, 1400, 49}, wide, {0, 0, 1280, 49}, "wider than the screen: narrowed at home"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MainWindowFrame({c.frame, ob, {0, 20}}, c.screen), c.expected) << c.why;
}

// Without a free place at its size, a window that may be made smaller takes
// the largest free area where it keeps at least half the size it would have
// over other windows' text; else it opens over their text rather than over
// their title and menu bars. A list leaves the input window it fills in
// sight. The frames are openbox's, the main window's across the top.
TEST(WindowPlacement, WithoutAFreePlaceAtItsSize) {
  const QMargins ob(1, 23, 1, 6);
  const QRect top(0, 0, 572, 49), tall(0, 0, 1280, 1024), wide(0, 0, 1280, 800), small(0, 0, 1024, 768);
  const OpenWindows wideData{{{0, 53, 900, 463}}, {{0, 53, 900, 44}}};
  const OpenWindows dataAndStrip{{{0, 53, 642, 463}, {0, 520, 642, 160}}, {{0, 53, 642, 44}, {0, 520, 642, 23}}};
  const FrameRequest wheel{{0, 53, 939, 796}, ob, {0, 0}, true};
  // After Input: the natal and transit input, Names, Keywords and the
  // minute listing's options.
  const std::vector<QRect> busy{{0, 53, 349, 316}, {661, 53, 349, 314}, {378, 371, 304, 394}, {0, 473, 374, 291},
                                {610, 149, 414, 619}};
  std::vector<QRect> busyBars;
  for (const QRect& r : busy) busyBars.emplace_back(r.topLeft(), QSize(r.width(), 23));
  const FrameRequest zones{{0, 0, 544, 423}, ob, {542, 394}};
  // A window as wide as `width` over the left of 1000 x 1000, and 400 x 900
  // free at most right of it.
  const auto column = [](int width) { return OpenWindows{{{0, 44, width, 956}}, {{0, 44, width, 20}}}; };
  const QRect square(0, 0, 1000, 1000), corner(0, 0, 400, 40);
  // Keywords, Planetary Hours and the options editor from the first chart's
  // wheel, where the second chart's Data window opens.
  const OpenWindows wheelTools{{{0, 499, 374, 297}, {638, 293, 642, 507}, {378, 153, 362, 647}},
                               {{0, 499, 374, 22}, {638, 293, 642, 22}, {378, 153, 362, 22}}};
  const FrameRequest data{{0, 53, 642, 463}, ob, {70, 263}, false, true};
  FrameRequest narrowable = data;
  narrowable.keepWidth = false;
  // 642 x 303 free above it, 576 x 747 right of it.
  const OpenWindows lowLeft{{{0, 360, 700, 440}}, {{0, 360, 700, 22}}};
  // Those on 1024 x 768, then the strip, the wheel again and the Data window
  // its Help raised, from the bottom of the stack up.
  const std::vector<QRect> stack{{0, 467, 374, 297}, {662, 149, 362, 619}, {382, 261, 642, 507},
                                 {0, 581, 642, 160}, {0, 101, 378, 334},  {0, 53, 642, 463}};
  const OpenWindows busyChart{stack, BandsInSight(stack, {{0, 467, 374, 22}, {662, 149, 362, 22}, {382, 261, 642, 22},
                                                          {0, 581, 642, 22}, {0, 101, 378, 44}, {0, 53, 642, 44}})};
  const struct {
    FrameRequest request;
    QRect screen, main;
    OpenWindows open;
    QRect expected;
    const char* why;
  } cases[] = {
      {{{0, 0, 400, 971}, {}, {398, 923}}, tall, top, wideData, {880, 101, 400, 923},
       "the minute listing's options as short as the room below the bar allows: below it"},
      {{{0, 0, 400, 971}, {}, {398, 924}}, tall, top, wideData, {880, 53, 400, 971},
       "a row too tall for that: over the bar, overlapping least"},
      {wheel, wide, top, dataAndStrip, {646, 53, 634, 546},
       "the wheel beside the Data window and the strip on 1280 x 800: the free room right of them"},
      {wheel, small, top, dataAndStrip, {646, 53, 378, 336}, "the same on 1024 x 768"},
      {wheel, wide, {612, 556, 572, 49}, dataAndStrip, {646, 0, 634, 546},
       "the main window dragged low: the free room above it"},
      {{{0, 53, 414, 715}, ob, {412, 300}}, small, top, dataAndStrip, {610, 101, 414, 415},
       "the minute listing's options on 1024 x 768: shorter, between the Data window's bars and the strip's"},
      {zones, small, top, {busy, busyBars}, {0, 53, 544, 423}, "Time Zones alone: where it overlaps least"},
      {zones, small, top, {busy, busyBars, {busy[0]}}, {353, 53, 544, 423},
       "Time Zones beside the natal input window it fills"},
      {{{0, 0, 800, 900}, {}, {1, 1}}, square, corner, column(596), {600, 44, 400, 900},
       "the free room keeps half the size the window has over the other's text: free"},
      {{{0, 0, 800, 900}, {}, {1, 1}}, square, corner, column(597), {200, 100, 800, 900},
       "a column less than half: over the other's text"},
      {data, wide, top, wheelTools, {378, 337, 642, 463},
       "the Data window after a second chart keeps its width, over the text of Planetary Hours and the editor"},
      {narrowable, wide, top, wheelTools, {0, 53, 374, 442},
       "a window that may be made narrower: the free area a gap from the windows right of it and below it"},
      {data, wide, top, lowLeft, {0, 53, 642, 303}, "fixed-column text made shorter rather than narrower"},
      {data, wide, top, {{{0, 300, 900, 500}}, {{0, 300, 900, 250}}}, {638, 53, 642, 463},
       "no place its width clear of a bar: over the bar rather than narrower"},
      {{{0, 53, 414, 715}, ob, {412, 357}}, small, top, busyChart, {0, 101, 414, 476},
       "the minute listing's options there: shorter, clear of the bars in sight"},
      {narrowable, wide, top, lowLeft, {704, 53, 576, 463}, "else the largest free area, a gap right of the other"},
  };
  for (const auto& c : cases) EXPECT_EQ(FreePlaceBeside(c.main, c.request, c.screen, c.open), c.expected) << c.why;
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
  PlaceBesideMainWindow(row, area.width() - 100);
  row.show();
  EXPECT_TRUE(area.contains(row.frameGeometry())) << row.x();
  EXPECT_GE(row.frameGeometry().top(), floor);

  QMainWindow data;
  data.menuBar()->addMenu("File");
  data.resize(400, 200);
  PlaceBesideMainWindow(data);
  data.show();
  QWidget strip;
  strip.resize(400, 60);
  strip.move(0, 0);  // the strip's default place, just below the main window
  strip.show();
  EXPECT_FALSE(strip.frameGeometry().intersects(data.frameGeometry())) << strip.y();
  EXPECT_TRUE(area.contains(strip.frameGeometry()));
}

// With the main window halfway down the screen, a tall window is made as
// short as the larger room beside it; one that keeps a least client (the
// Data window's 15 lines) is not, and stands whole beside the main window.
TEST_F(WindowPlacementTest, ALeastClientOutweighsTheRoomBesideTheMainWindow) {
  MainWindow main;
  const QRect area = main.screen()->availableGeometry();
  main.move(0, area.center().y() - 10);
  main.show();
  const int larger = std::max(main.frameGeometry().top() - WindowGap - area.top(),
                              area.bottom() - main.frameGeometry().bottom() - WindowGap);
  const auto open = [&area](QWidget& window) {
    window.resize(300, area.height() - 50);
    PlaceBesideMainWindow(window);
    window.show();
    return window.frameGeometry();
  };
  QWidget plain;
  EXPECT_EQ(open(plain).height(), larger) << "as tall as the larger room";
  plain.close();
  QWidget page;
  KeepClientWhenFitted(page, {0, larger + 20});
  const QRect frame = open(page);
  EXPECT_EQ(page.height(), area.height() - 50) << "whole";
  EXPECT_TRUE(area.contains(frame));
  EXPECT_FALSE(frame.intersects(main.frameGeometry()));
}

// A window raised or shown again while it covers the main window, which was
// moved onto it, is placed off it again.
TEST_F(WindowPlacementTest, AWindowRaisedOverTheMainWindowMovesOffIt) {
  MainWindow main;
  main.move(0, 0);
  main.show();
  QWidget window;
  window.resize(300, 200);
  window.show();
  main.move(window.pos());
  window.raise();
  EXPECT_FALSE(window.frameGeometry().intersects(main.frameGeometry())) << "raised";
  window.hide();
  main.move(window.pos());
  window.show();
  EXPECT_FALSE(window.frameGeometry().intersects(main.frameGeometry())) << "shown again";
  // One the user moved anywhere else stays there, even partly off the screen.
  const QPoint moved(main.screen()->availableGeometry().right() - 100, main.frameGeometry().bottom() + 17);
  window.move(moved);
  window.raise();
  EXPECT_EQ(window.pos(), moved) << "moved by the user, raised";
}

// Windows since closed made room: a window still where the placement put it
// is placed again as if it opened now; one the user dragged (the Data
// window Help opened, dragged before the first chart) stays.
TEST_F(WindowPlacementTest, AWindowIsPlacedAgainUnlessTheUserMovedIt) {
  MainWindow main;
  main.move(0, 0);
  main.show();
  QWidget first, placed, dragged;
  for (QWidget* window : {&first, &placed, &dragged}) {
    window->resize(200, 100);
    PlaceBesideMainWindow(*window);
    window->show();
  }
  const QPoint row = first.pos(), moved = row + QPoint(133, 277);
  dragged.move(moved);
  first.close();
  PlaceAgainAsOpenedNow(dragged);
  PlaceAgainAsOpenedNow(placed);
  EXPECT_EQ(dragged.pos(), moved);
  EXPECT_EQ(placed.pos(), row);
}

}  // namespace
}  // namespace halcyra
