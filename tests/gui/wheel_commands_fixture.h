#pragma once
// The wheel commands' tests: the program's main window with its menus and
// the chart command, the Apollo 11 launch (16 July 1969, 9.32 A.M., zone 4,
// 80 36 W 28 36 N) typed into the natal window and the landing (20 July
// 1969, 4.17 P.M.) into the transit window, and the chart computed from
// them, in a scratch program folder.
#include <QMenu>

#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "app/main_menus.h"
#include "app/service_wiring.h"
#include "gui_test_support.h"
#include "platform/gui/glyph_font.h"
#include "platform/program_files.h"
#include "wheels/ui/wheels_window.h"
#include "wheels/wheel_commands.h"
#include "wheels/wheel_fixture.h"

namespace halcyra::testing {

class WheelCommandsTest : public GuiTest {
 protected:
  void SetUp() override {
    EnsureTestApplication();
    ASSERT_TRUE(InstallGlyphFont(ProgramFile(StagedProgramDir(), "Orvane.ttf")));
    // the test's message sink stays; the program's services are wired afresh
    const AppServices services = App().services;
    App() = *ShippedWheelState();
    App().services = services;
    WireAppServices(App());
    App().AppPath = ScratchProgramFolder("wheel-commands", {".ORB", ".orb", ".OPT", ".MAS", ".HLP", ".FIL"});
    SetWheelOrbFile(App(), "NATAL.ORB");
    App().flags.screen = ScreenClass{};
    main = BuildMainWindow();
    const PlaceTexts kennedy{"4", "80", "36", "28", "36", false, false};
    InputD().SetNameText("Apollo 11 launch");
    InputD().WriteMoment({"7", "16", "1969", "9", "32", false});
    InputD().WritePlace(kennedy);
    InputD1().WriteMoment({"7", "20", "1969", "4", "17", true});
    InputD1().WritePlace(kennedy);
    App().services.CalculateChart(App());
    ASSERT_EQ(App().chart.InputError, 0);
  }
  void TearDown() override { RemoveGlyphFont(); }

  // A command of the main window's menus, then of the wheel window's.
  void Main(const char* item) { main->findChild<QAction*>(item)->trigger(); }
  static void Wheel(const char* item) {
    ASSERT_NE(TheWheelsWindow(), nullptr) << item;
    TheWheelsWindow()->Item(item)->trigger();
  }
  // Caption lines `first` to `last` of a block, joined by "|".
  static std::string Lines(const CaptionBlock& block, int first = 1, int last = 3) {
    std::string text;
    for (int line = first; line <= last; ++line) text += (line > first ? "|" : "") + block[static_cast<size_t>(line)];
    return text;
  }
  static std::string Caption1(int first = 1, int last = 3) { return Lines(WheelCaption1(App()), first, last); }
  static std::string Caption2(int first = 1, int last = 3) { return Lines(WheelCaption2(App()), first, last); }
  bool Checked(const char* item) const { return main->findChild<QAction*>(item)->isChecked(); }

  MainWindow* main = nullptr;
};

}  // namespace halcyra::testing
