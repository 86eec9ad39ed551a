// The report output channel: buffer counts, the last-page file and help pages.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/text_files.h"
#include "shell/report_output.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

namespace fs = std::filesystem;

struct NoticeRecord {
  std::string text, title;
};

// Stands in for the Data window: records what the channel asks of it.
struct RecordingDisplay : ReportDisplay {
  bool minimized = false;
  int loads = 0;
  std::vector<std::string> pages;
  std::vector<NoticeRecord> notices;
  void LoadDataWindow(AppState&) override { ++loads; }
  bool DataWindowMinimized() override { return minimized; }
  void ShowPage(AppState&, const std::string& text) override { pages.push_back(text); }
  void Notice(const std::string& text, const std::string& title, NoticeIcon) override {
    notices.push_back({text, title});
  }
};

class ReportChannel : public ::testing::Test {
 protected:
  void SetUp() override {
    state.AppPath = testing::ScratchDir("report_channel");
    fs::create_directories(state.AppPath + "/REPORTS");
    SetReportDisplay(&display);
  }
  void TearDown() override { SetReportDisplay(nullptr); }

  void WriteLines(int n) {
    for (int i = 1; i <= n; ++i) {
      state.report.OutLine = "line " + std::to_string(i);
      WriteOutLine(state);
    }
  }
  std::string LastPageBytes() { return ReadWholeFile(LastPagePath(state)).value_or("<missing>"); }

  AppState state;
  RecordingDisplay display;
};

TEST_F(ReportChannel, PageOfNLinesGivesLastPageOfNPlusTwoLines) {
  // n report lines, the blank line ShowReport adds, the empty spare entry.
  for (int n : {1, 3, 40}) {
    ClearReportBuffers(state);
    StartNewPage(state);
    WriteLines(n);
    ShowReport(state);
    const auto lines = ReadTextLines(LastPagePath(state));
    ASSERT_TRUE(lines) << "n=" << n;
    EXPECT_EQ(lines->size(), static_cast<size_t>(n + 2)) << "n=" << n;
    EXPECT_EQ(state.report.DataLineCount, n + 1) << "n=" << n;
    EXPECT_EQ(state.report.PageLineCount, n + 1) << "n=" << n;
  }
  std::string expected;
  for (int i = 1; i <= 40; ++i) expected += "line " + std::to_string(i) + "\r\n";
  expected += "\r\n\r\n";
  EXPECT_EQ(LastPageBytes(), expected);
  ASSERT_FALSE(display.pages.empty());
  EXPECT_EQ(display.pages.back().size(), expected.size() - 42);  // "\n" line ends on view
}

TEST_F(ReportChannel, OutLineKeptByWriteOutLineEmptiedByBlankLine) {
  state.report.OutLine = "kept";
  WriteOutLine(state);
  EXPECT_EQ(state.report.OutLine, "kept");
  WriteBlankLine(state);
  EXPECT_EQ(state.report.OutLine, "");
  ASSERT_GE(state.report.DataLines.size(), 3u);
  EXPECT_EQ(state.report.DataLines[0], "kept");
  EXPECT_EQ(state.report.DataLines[1], "");
  EXPECT_EQ(state.report.DataLines[2], "") << "spare entry after the last line";
}

TEST_F(ReportChannel, NothingShownWhenDataBufferEmptyOrWindowMinimized) {
  StartNewPage(state);
  WriteLines(2);
  ShowReport(state);
  const std::string first = LastPageBytes();
  ASSERT_EQ(display.pages.size(), 1u);

  // Cleared data buffer: no blank line, no file, the old text stays on view.
  ClearDataBuffer(state);
  ShowReport(state);
  EXPECT_EQ(LastPageBytes(), first);
  EXPECT_EQ(display.pages.size(), 1u);
  EXPECT_EQ(state.report.PageLineCount, 3);

  // Minimized: the page stays buffered without the blank line.
  StartNewPage(state);
  WriteLines(5);
  display.minimized = true;
  ShowReport(state);
  EXPECT_EQ(LastPageBytes(), first);
  EXPECT_EQ(state.report.PageLineCount, 5);
  EXPECT_EQ(state.report.DataLineCount, 5);
}

TEST_F(ReportChannel, EachRefreshAddsOneBlankLine) {
  StartNewPage(state);
  WriteLines(4);
  ShowReport(state);
  ShowReport(state);
  ShowReport(state);
  EXPECT_EQ(state.report.PageLineCount, 7);
  EXPECT_EQ(state.report.DataLineCount, 7);
  EXPECT_EQ(ReadTextLines(LastPagePath(state))->size(), 8u);
}

TEST_F(ReportChannel, NewPageEndsDatedListingAndHidesNewDate) {
  ShowListingMoreMenu(state);
  EXPECT_EQ(state.flags.ListingActive, 1);
  EXPECT_EQ(state.chart.MoreMenuVisible, 1);
  EXPECT_TRUE(state.report.NewDateVisible);
  StartNewPage(state);
  EXPECT_EQ(state.flags.ListingActive, 0);
  EXPECT_EQ(state.chart.MoreMenuVisible, 0);
  EXPECT_FALSE(state.report.NewDateVisible);
  EXPECT_GE(display.loads, 1) << "a new page loads the Data window";

  // Without a listing the menu keeps its state; New Date is hidden anyway.
  state.chart.MoreMenuVisible = 1;
  state.report.NewDateVisible = true;
  StartNewPage(state);
  EXPECT_EQ(state.chart.MoreMenuVisible, 1);
  EXPECT_FALSE(state.report.NewDateVisible);
}

TEST_F(ReportChannel, HelpFileOfKLinesAddsKPlusTwoLines) {
  std::ofstream(state.AppPath + "/TEST.HLP", std::ios::binary) << "first\r\nsecond\r\n\r\nfourth";
  WriteLines(3);
  ShowTextHelp(state, "\\TEST.HLP");
  EXPECT_EQ(state.report.HelpFileName, "\\TEST.HLP");
  EXPECT_EQ(state.report.DataLineCount, 3 + 4 + 2);
  EXPECT_EQ(state.report.PageLineCount, 4 + 2);
  EXPECT_EQ(LastPageBytes(), "first\r\nsecond\r\n\r\nfourth\r\n\r\n\r\n\r\n");
  EXPECT_TRUE(display.notices.empty());
}

TEST_F(ReportChannel, MissingHelpFileWarnsAndKeepsPage) {
  StartNewPage(state);
  WriteLines(2);
  ShowReport(state);
  ShowTextHelp(state, "\\NOSUCH.HLP");
  ASSERT_EQ(display.notices.size(), 1u);
  EXPECT_EQ(display.notices[0].title, "Warning!");
  EXPECT_NE(display.notices[0].text.find("NOSUCH.HLP"), std::string::npos);
  EXPECT_EQ(state.report.PageLineCount, 3);
  EXPECT_EQ(state.report.PageLines[0], "line 1");
  EXPECT_EQ(display.pages.size(), 1u);
}

TEST_F(ReportChannel, UnwritableLastPageWarnsAndStillShows) {
  // REPORTS is a plain file here, so LASTPAGE.TXT cannot be created below it.
  fs::remove_all(state.AppPath + "/REPORTS");
  std::ofstream(state.AppPath + "/REPORTS") << "x";
  StartNewPage(state);
  WriteLines(2);
  ShowReport(state);
  ASSERT_EQ(display.notices.size(), 1u);
  EXPECT_EQ(display.notices[0].title, "Warning!");
  EXPECT_NE(display.notices[0].text.find("LASTPAGE.TXT"), std::string::npos);
  EXPECT_EQ(display.pages.size(), 1u);
  EXPECT_EQ(state.report.DataLineCount, 3) << "the buffer keeps the page";
}

}  // namespace
}  // namespace halcyra
