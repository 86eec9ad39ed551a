// The progress window's bar, the bevelled frames and the busy pointer.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include "gui_test_support.h"
#include "platform/gui/busy_pointer.h"
#include "shell/ui/bevel_frame.h"
#include "shell/ui/progress_window.h"

namespace halcyra {
namespace {

using StartupWindows = testing::GuiTest;

TEST_F(StartupWindows, ProgressBarWidthsAndPaint) {
  const struct {
    long done, total;
    double width;  // -1: nothing drawn
    const char* why;
  } cases[] = {
      {0, 100, 0, "nothing done: a box of zero width"}, {50, 100, 150, "half of a 300-wide box"},
      {150, 100, 300, "more than the total is limited to 100 percent"}, {1, 3, 100, "a third, single precision"},
      {5, 0, -1, "a total of 0 draws nothing"}, {5, -2, -1, "a negative total draws nothing"},
  };
  for (const auto& c : cases) {
    const auto width = ProgressBarWidth(c.done, c.total, 300);
    EXPECT_NEAR(width.value_or(-1), c.width, 1e-4) << c.why;
  }

  ShowProgressBar(3, 0);
  EXPECT_EQ(TheStatusDlg(), nullptr);  // a zero total neither draws nor opens the window
  ShowProgressBar(50, 100);
  ASSERT_NE(TheStatusDlg(), nullptr);
  const int w = TheStatusDlg()->bar.width(), h = TheStatusDlg()->bar.height();
  EXPECT_EQ(TheStatusDlg()->bar.toImage().pixelColor(w / 4, h / 2), QColor(255, 0, 0));
  EXPECT_EQ(TheStatusDlg()->bar.toImage().pixelColor(w * 3 / 4, h / 2), QColor(Qt::white));
  ShowProgressBar(10, 100);  // a shorter bar erases nothing that was drawn
  EXPECT_EQ(TheStatusDlg()->bar.toImage().pixelColor(w / 4, h / 2), QColor(255, 0, 0));
}

TEST_F(StartupWindows, BevelFrameOnePixelLinePerPixelOfThickness) {
  const BevelFrameSpec sunken = SunkenBorderSpec(300, 600, 1500, 300);  // twips
  // 12 twips per pixel: only i = 12, since 24 exceeds the 15-twip thickness.
  const std::vector<BevelLine> at12 = {{288, 588, 288, 912, 0x808080}, {1812, 588, 1812, 912, 0xFFFFFF},
                                       {288, 588, 1812, 588, 0x808080}, {288, 912, 1812, 912, 0xFFFFFF}};
  EXPECT_EQ(BevelFrameLines(sunken, 12, 12), at12);
  // Thickness below a pixel still draws one; 6 twips per pixel draws two.
  BevelFrameSpec thin = sunken;
  thin.ThicknessX = thin.ThicknessY = 1;
  EXPECT_EQ(BevelFrameLines(thin, 15, 15).size(), 4u);
  EXPECT_EQ(BevelFrameLines(sunken, 6, 6).size(), 8u);
}

TEST_F(StartupWindows, BusyPointerIsAStateNotAStack) {
  SetBusyPointer(true);
  SetBusyPointer(true);
  EXPECT_TRUE(BusyPointerShown());
  SetBusyPointer(false);  // one call undoes any number of busy calls
  EXPECT_FALSE(BusyPointerShown());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace halcyra
