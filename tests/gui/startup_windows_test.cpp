// The small start-up windows and the drawing helpers of the platform layer.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "gui/startup_support.h"
#include "platform/gui/busy_pointer.h"
#include "platform/gui/fatal_error.h"
#include "platform/gui/qb_colors.h"
#include "platform/gui/twips.h"
#include "shell/ui/bevel_frame.h"
#include "shell/ui/progress_window.h"
#include "shell/ui/startup_windows.h"

namespace halcyra {
namespace {

using StartupWindows = testing::GuiTest;

TEST_F(StartupWindows, ProgressBarWidths) {
  const struct {
    long done, total;
    double width;  // -1: nothing drawn
    const char* why;
  } cases[] = {
      {0, 100, 0, "nothing done: a box of zero width"},
      {50, 100, 150, "half of a 300-wide box"},
      {100, 100, 300, "all done"},
      {150, 100, 300, "more than the total is limited to 100 percent"},
      {1, 3, 100, "a third, single precision"},
      {5, 0, -1, "a total of 0 draws nothing"},
      {5, -2, -1, "a negative total draws nothing"},
  };
  for (const auto& c : cases) {
    const auto width = ProgressBarWidth(c.done, c.total, 300);
    if (c.width < 0)
      EXPECT_FALSE(width) << c.why;
    else
      EXPECT_NEAR(width.value_or(-99), c.width, 1e-4) << c.why;
  }
}

TEST_F(StartupWindows, ProgressBarPaintsInBrightRedWithoutErasing) {
  ShowProgressBar(3, 0);
  EXPECT_EQ(TheStatusDlg(), nullptr);  // a zero total neither draws nor opens the window
  ShowProgressBar(50, 100);
  StatusDlg* dialog = TheStatusDlg();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), "% Completed");
  ASSERT_NE(dialog->findChild<QWidget*>("Picture2"), nullptr);
  QImage bar = dialog->bar.toImage();
  const int w = bar.width();
  EXPECT_EQ(bar.pixelColor(w / 4, bar.height() / 2), QColor(255, 0, 0));
  EXPECT_EQ(bar.pixelColor(w * 3 / 4, bar.height() / 2), QColor(Qt::white));
  ShowProgressBar(10, 100);  // a shorter bar covers nothing that was drawn
  bar = dialog->bar.toImage();
  EXPECT_EQ(bar.pixelColor(w / 4, bar.height() / 2), QColor(255, 0, 0));
}

TEST_F(StartupWindows, BevelFrameOnePixelLinePerPixelOfThickness) {
  const BevelFrameSpec sunken = SunkenBorderSpec(300, 600, 1500, 300);  // twips
  EXPECT_EQ(sunken.Right, 1800);
  EXPECT_EQ(sunken.Bottom, 900);
  // 12 twips per pixel: only i = 12, since 24 exceeds the 15-twip thickness.
  const std::vector<BevelLine> at12 = {
      {288, 588, 288, 912, 0x808080}, {1812, 588, 1812, 912, 0xFFFFFF},
      {288, 588, 1812, 588, 0x808080}, {288, 912, 1812, 912, 0xFFFFFF}};
  EXPECT_EQ(BevelFrameLines(sunken, 12, 12), at12);
  EXPECT_EQ(BevelFrameLines(sunken, 15, 15).size(), 4u);
  // Thickness below a pixel still draws one; 6 twips per pixel draws two.
  BevelFrameSpec thin = sunken;
  thin.ThicknessX = thin.ThicknessY = 1;
  EXPECT_EQ(BevelFrameLines(thin, 15, 15).size(), 4u);
  EXPECT_EQ(BevelFrameLines(sunken, 6, 6).size(), 8u);
}

TEST_F(StartupWindows, PaletteAndTwips) {
  const struct {
    int index;
    unsigned rgb;
  } cases[] = {{0, 0x000000}, {1, 0x000080}, {4, 0x800000}, {7, 0xC0C0C0}, {8, 0x808080},
               {12, 0xFF0000}, {14, 0xFFFF00}, {15, 0xFFFFFF}, {16, 0x000000}, {-1, 0x000000}};
  for (const auto& c : cases) EXPECT_EQ(QBColorRgb(c.index), c.rgb) << "index " << c.index;
  EXPECT_EQ(QBColor(12), QColor(255, 0, 0));
  // The offscreen screen has 96 logical dpi.
  EXPECT_EQ(TwipsPerPixelX(), 15);
  EXPECT_EQ(PixelsFromTwipsY(675), 45);
  EXPECT_EQ(TwipsFromPixelsX(570), 8550);
}

TEST_F(StartupWindows, BusyPointerIsAStateNotAStack) {
  SetBusyPointer(true);
  SetBusyPointer(true);
  EXPECT_TRUE(BusyPointerShown());
  SetBusyPointer(false);  // one call undoes any number of busy calls
  EXPECT_FALSE(BusyPointerShown());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(StartupWindows, FatalErrorsGoToAnErrorBox) {
  testing::StartupMessages messages;
  ReportFatalError("NATAL.ORB: File not found");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Error!");
  EXPECT_EQ(messages.shown[0].text, "NATAL.ORB: File not found");
}

TEST_F(StartupWindows, TitleAndAboutWindows) {
  auto* title = new TitleWindow;
  EXPECT_EQ(title->windowTitle(), "Halcyra");
  EXPECT_EQ(title->Label2->text(), "Version 2.00");
  EXPECT_FALSE(title->cmdOK->isVisibleTo(title));  // hidden until start-up shows it
  EXPECT_EQ(title->cmdOK->text(), "Continue");
  title->close();

  AboutWindow* about = ShowAboutWindow();
  EXPECT_EQ(about->windowTitle(), "About Halcyra");
  EXPECT_EQ(about->Label1->text(), "Version 2.00");
  EXPECT_EQ(ShowAboutWindow(), about);  // a second Help > About shows the same window
  about->grab();                         // paints the trail without failing
  about->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_NE(ShowAboutWindow(), nullptr);  // and after closing, a fresh one
  ShowAboutWindow()->close();
}

}  // namespace
}  // namespace halcyra
