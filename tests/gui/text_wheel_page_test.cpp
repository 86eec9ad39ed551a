// The wheel window's ASCII item: the text chart wheel of the wheel on view
// and the natal degree grid, as a page in the Data window and its last-page
// file.
#include "gui_test_support.h"
#include "platform/gui/busy_pointer.h"
#include "platform/gui/glyph_font.h"
#include "shell/ui/text_page_view.h"
#include "wheels/ui/wheels_window.h"
#include "wheels/wheel_commands.h"
#include "wheels/wheel_fixture.h"

namespace halcyra {
namespace {

class TextWheelPageTest : public testing::GuiTest {
 protected:
  void SetUp() override {
    testing::EnsureTestApplication();
    App() = *testing::ApolloState();
    App().AppPath = testing::ScratchProgramFolder("text_wheel_page", {".ORB", ".ttf"});
    App().flags.screen = ScreenClass{};
    ASSERT_TRUE(InstallGlyphFont(App().AppPath + "/Orvane.ttf"));
    InstallDataWindowDisplay(App());
  }
};

TEST_F(TextWheelPageTest, AsciiItemShowsTheTextWheelPage) {
  WheelsSingleNatal(App());
  WheelsWindow& w = *ShowChartWheel(App());
  w.Form_Paint();
  QAction* ascii = w.Item("mnuAsciiChart");
  ASSERT_TRUE(ascii->isEnabled());
  ascii->trigger();

  // the page of the wheel tests' golden file, the blank line ShowReport adds and the spare entry
  auto expected = ReadTextLines(std::string(HALCYRA_TEST_DATA) + "/wheels/text_wheel_apollo.txt")
                      .value_or(std::vector<std::string>{"<no golden page>"});
  expected.insert(expected.end(), {"", ""});
  EXPECT_EQ(testing::LastPageLines(), expected);
  ASSERT_NE(CurrentDataWindow(), nullptr);
  EXPECT_TRUE(CurrentDataWindow()->findChild<TextPageView*>("RichText1")->toPlainText().contains("SU23Can"));
  EXPECT_FALSE(BusyPointerShown());
}

}  // namespace
}  // namespace halcyra
