// The wheel as it is drawn with the program's font: no text's strokes touch
// another text's or a line of the frame, on the window and on the printed
// page, for a computed chart in every arrangement and for made-up charts
// that put a label at every whole degree of the wheel.
#include <functional>

#include "gui_test_support.h"
#include "platform/gui/glyph_font.h"
#include "platform/program_files.h"
#include "wheel_ink.h"
#include "wheels/wheel_commands.h"

#include "wheels/wheel_fixture.h"

namespace halcyra::testing {
namespace {

class WheelLayoutTest : public GuiTest {
 protected:
  void SetUp() override {
    EnsureTestApplication();
    ASSERT_TRUE(InstallGlyphFont(ProgramFile(StagedProgramDir(), "Orvane.ttf")));
  }
  void TearDown() override { RemoveGlyphFont(); }

  // Everything that overlaps on the window (at two sizes) and on the page,
  // one per line. A European wheel stands each point at its longitude, so a
  // point on a cusp has its glyph on the cusp's line: there only the circles
  // must stay clear.
  static std::string Faults(AppState& state) {
    const bool european = state.ini.EuropeanChart == 1 && state.flags.WheelKind == 1;
    std::string text;
    for (const auto& [surface, printer, pixelsPerUnit] :
         {std::tuple{"window", false, 1.3}, std::tuple{"window", false, 3.0}, std::tuple{"page", true, 3.0}}) {
      const InkPicture picture = WheelInk(state, printer, pixelsPerUnit);
      for (const std::string& f : InkOverlaps(picture)) text += std::string(surface) + ": " + f + "\n";
      for (const std::string& f : InkOnFrame(picture, !european)) text += std::string(surface) + ": " + f + "\n";
    }
    return text;
  }
};

// The computed chart as every natal-based command and mode shows it.
TEST_F(WheelLayoutTest, ComputedChartInEveryArrangement) {
  struct Arrangement {
    const char* name;
    std::function<void(AppState&)> prepare;
  };
  const std::vector<Arrangement> arrangements = {
      {"natal, American", [](AppState& s) { WheelsSingleNatal(s); }},
      {"natal, European", [](AppState& s) { WheelsSingleNatal(s), s.ini.EuropeanChart = 1; }},
      {"transits, European", [](AppState& s) { WheelsSingleTransits(s, false), s.ini.EuropeanChart = 1; }},
      {"transits vs natal, mode 0", [](AppState& s) { WheelsDualTransitsNatal(s, false), s.chart.WheelMode = 0; }},
      {"transits vs natal, mode 1", [](AppState& s) { WheelsDualTransitsNatal(s, false), s.chart.WheelMode = 1; }},
      {"transits vs natal, mode 2", [](AppState& s) { WheelsDualTransitsNatal(s, false), s.chart.WheelMode = 2; }},
      {"transits vs natal, mode 3", [](AppState& s) { WheelsDualTransitsNatal(s, false), s.chart.WheelMode = 3; }},
      {"progressed vs natal", [](AppState& s) { WheelsDualProgressedNatal(s); }},
  };
  for (const Arrangement& a : arrangements) {
    auto state = ApolloState();
    a.prepare(*state);
    const std::string faults = Faults(*state);
    EXPECT_TRUE(faults.empty()) << a.name << ":\n" << faults;
  }
}

// One point in every sign, stepped a few degrees at a time through the
// whole sign: each label stands once at every place of its house, on
// single American and European wheels and on both rings of a dual wheel.
TEST_F(WheelLayoutTest, LabelsAtEveryPlaceOfTheirHouses) {
  const std::string allRetrograde(NumPoints, 'R');
  for (int first = 0; first < 30; first += 3) {
    for (int kind : {1, 2}) {
      for (int european : {0, 1}) {
        if (kind == 2 && european == 1) continue;
        auto state = ShippedWheelState();
        state->ini.TransitSelection = SelectionShowing({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
        state->ini.EuropeanChart = european;
        state->flags.WheelKind = kind;
        state->chart.WheelMode = 2;
        state->wheel.Wheel = MadeUpChart(SpreadPoints(first), 15, allRetrograde);
        state->wheel.Wheel2 = MadeUpChart(SpreadPoints(first + 15), 15, allRetrograde);
        const std::string faults = Faults(*state);
        EXPECT_TRUE(faults.empty()) << "points from " << first << ", kind " << kind
                                    << (european ? ", European" : "") << ":\n" << faults;
      }
    }
  }
}

}  // namespace
}  // namespace halcyra::testing
