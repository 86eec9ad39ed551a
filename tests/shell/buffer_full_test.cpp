// A line the report buffers cannot take: the buffer-full warning, the line
// lost for the data buffer only, and the report going on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <new>

#include "shell/report_output.h"
#include "support/test_support.h"

namespace {
int g_allocationsBeforeFailure = -1;  // allocations still to succeed before one fails; -1 never fails
}  // namespace

// Every allocation of this test program passes through here, so that the
// test below can make one of them fail on purpose.
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

struct NoticeRecorder : ReportDisplay {
  std::vector<std::string> notices;
  void Notice(const std::string& text, const std::string& title, NoticeIcon) override {
    notices.push_back(title + " " + text);
  }
};

TEST(ReportBuffers, LostLineWarnsAndReportGoesOn) {
  AppState state;
  NoticeRecorder display;
  state.services.reportDisplay = &display;
  WriteLine(state, "first");
  for (int lost = 0; lost < 2; ++lost) {
    state.report.OutLine = std::string(200, 'x');  // too long to be stored without allocating
    g_allocationsBeforeFailure = 0;                // the data buffer's copy of the line fails
    WriteOutLine(state);
    g_allocationsBeforeFailure = -1;
  }
  EXPECT_EQ(state.report.DataLineCount, 1) << "lost for the data buffer";
  EXPECT_EQ(state.report.PageLineCount, 3) << "kept on the page";
  WriteLine(state, "after");
  EXPECT_EQ(LinesWithSpare(state.report.DataLines, 2), (std::vector<std::string>{"first", "after", ""}));
  // said once, as the report ends (here a new page begins), not for each line
  EXPECT_TRUE(display.notices.empty());
  StartNewPage(state);
  StartNewPage(state);
  EXPECT_EQ(display.notices, std::vector<std::string>{std::string("Warning! ") + BufferFullText});
  // and as a report ends with its page shown
  state.AppPath = testing::ScratchDir("buffer-full");
  std::filesystem::create_directory(state.AppPath + "/REPORTS");
  state.report.OutLine = std::string(200, 'x');
  g_allocationsBeforeFailure = 0;
  WriteOutLine(state);
  ShowReport(state);
  EXPECT_EQ(display.notices.size(), 2u);
}

}  // namespace
}  // namespace halcyra
