// A report line that the buffers cannot take: the buffer-full message, the
// line lost for that list only, and the report going on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "shell/report_output.h"

namespace {
// Allocations still to succeed before the next one fails; -1 never fails.
int g_allocationsBeforeFailure = -1;
}  // namespace

// Every allocation of this test program passes through here; the tests below
// make one of them fail on purpose.
void* operator new(std::size_t size) {
  if (g_allocationsBeforeFailure == 0) {
    g_allocationsBeforeFailure = -1;
    throw std::bad_alloc();
  }
  if (g_allocationsBeforeFailure > 0) --g_allocationsBeforeFailure;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace halcyra {
namespace {

struct CountingDisplay : ReportDisplay {
  int notices = 0;
  std::string lastText, lastTitle;
  void Notice(const std::string& text, const std::string& title, NoticeIcon) override {
    ++notices;
    lastText = text;
    lastTitle = title;
  }
};

TEST(ReportBufferFull, LostLineWarnsAndReportGoesOn) {
  AppState state;
  CountingDisplay display;
  SetReportDisplay(&display);
  const std::string longLine(200, 'x');  // too long to be stored without allocating
  state.report.OutLine = "first";
  WriteOutLine(state);

  state.report.OutLine = longLine;
  g_allocationsBeforeFailure = 0;  // the data buffer's copy of the line fails
  WriteOutLine(state);
  g_allocationsBeforeFailure = -1;
  EXPECT_EQ(display.notices, 1);
  EXPECT_EQ(display.lastTitle, "Warning!");
  EXPECT_EQ(display.lastText, BufferFullText);
  EXPECT_EQ(state.report.DataLineCount, 1) << "lost for the data buffer";
  EXPECT_EQ(state.report.PageLineCount, 2) << "kept on the page";
  EXPECT_EQ(LinesWithSpare(state.report.DataLines, 1), (std::vector<std::string>{"first", ""}));

  state.report.OutLine = "after";
  WriteOutLine(state);
  EXPECT_EQ(display.notices, 1);
  EXPECT_EQ(state.report.DataLineCount, 2);
  EXPECT_EQ(state.report.DataLines[1], "after");
  SetReportDisplay(nullptr);
}

}  // namespace
}  // namespace halcyra
