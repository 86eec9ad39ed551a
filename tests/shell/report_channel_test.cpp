// The report output channel beyond the Data window's tests: an entry holding
// line breaks, the warnings when the last page or a help file cannot be had,
// lines given in one go; Save's form-feed placement and the print page plan.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "platform/text_files.h"
#include "shell/data_file.h"
#include "shell/print_plan.h"
#include "shell/report_output.h"
#include "support/line_rows.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

namespace fs = std::filesystem;

// Stands in for the Data window: records what the channel asks of it.
struct RecordingDisplay : ReportDisplay {
  std::vector<std::string> pages, notices;  // notices as "title text"
  void ShowPage(AppState&, ShownPage page) override { pages.push_back(AllText(page)); }
  void Notice(const std::string& text, const std::string& title, NoticeIcon) override {
    notices.push_back(title + " " + text);
  }
};

// What LASTPAGE.TXT and the view receive: an entry holding line breaks
// (a list, each item ending in CR LF) is stored and counted once, shown and
// saved as its items and the empty line after the last. A last page that
// cannot be written, or a missing help file, warns; the buffers keep the page.
TEST(ReportChannel, LastPageViewAndWarnings) {
  AppState state;
  RecordingDisplay display;
  state.AppPath = testing::ScratchDir("report_channel");
  state.services.reportDisplay = &display;
  fs::create_directories(state.AppPath + "/REPORTS");
  // line counts of the page buffer, the data buffer and LASTPAGE.TXT
  auto counts = [&state] {
    const auto file = ReadTextLines(LastPagePath(state));
    return std::tuple(state.report.PageLineCount, state.report.DataLineCount, file ? long(file->size()) : -1L);
  };
  StartNewPage(state);
  WriteLine(state, "first");
  WriteLine(state, "  (a)\r\n  (b)\r\n");
  ShowReport(state);
  EXPECT_EQ(counts(), std::tuple(3L, 3L, 6L));
  EXPECT_EQ(ReadWholeFile(LastPagePath(state)), "first\r\n  (a)\r\n  (b)\r\n\r\n\r\n\r\n");
  EXPECT_EQ(display.pages, std::vector<std::string>{"first\n  (a)\n  (b)\n\n\n\n"});

  // REPORTS becomes a plain file, so LASTPAGE.TXT cannot be created below it.
  fs::remove_all(state.AppPath + "/REPORTS");
  std::ofstream(state.AppPath + "/REPORTS") << "x";
  StartNewPage(state);
  WriteLine(state, "first");
  WriteLine(state, "second");
  ShowReport(state);
  ShowTextHelp(state, "\\NOSUCH.HLP");
  ASSERT_EQ(display.notices.size(), 2u);
  for (const auto& [notice, file] : {std::pair{display.notices[0], "LASTPAGE.TXT"}, {display.notices[1], "NOSUCH.HLP"}})
    EXPECT_TRUE(notice.starts_with("Warning! ") && notice.find(file) != std::string::npos) << notice;
  EXPECT_EQ(display.pages.size(), 2u) << "shown without the file";
  EXPECT_EQ(counts(), std::tuple(3L, 6L, -1L)) << "the buffers keep the page";
}

// Keeps the page it shows, as the Data window does.
struct KeepingDisplay : ReportDisplay {
  ShownPage page;
  void ShowPage(AppState&, ShownPage shown) override { page = std::move(shown); }
  void KeepShownPage(std::vector<std::string>& lines) override { page.TakeOver(lines); }
  void Notice(const std::string&, const std::string&, NoticeIcon) override {}
};

// The page on view is read from the page buffer, not copied; a new page,
// written while the old one is on view, leaves it there until it is shown
// itself, and emptying the buffers leaves the view alone.
TEST(ReportChannel, ThePageOnViewStaysUntilTheNextIsShown) {
  AppState state;
  KeepingDisplay display;
  state.AppPath = testing::ScratchDir("report_channel_view");
  state.services.reportDisplay = &display;
  fs::create_directories(state.AppPath + "/REPORTS");
  StartNewPage(state);
  WriteLine(state, "one");
  WriteLine(state, "two");
  ShowReport(state);
  EXPECT_TRUE(display.page.Reads(state.report.PageLines));
  EXPECT_EQ(AllText(display.page), "one\ntwo\n\n\n");
  StartNewPage(state);
  WriteLine(state, "three");
  EXPECT_EQ(AllText(display.page), "one\ntwo\n\n\n") << "the old page stays on view";
  EXPECT_EQ(LinesWithSpare(state.report.PageLines, state.report.PageLineCount), (std::vector<std::string>{"three", ""}));
  ShowReport(state);
  ShowReport(state);  // a font step shows the same page again, one blank longer
  EXPECT_EQ(AllText(display.page), "three\n\n\n\n");
  ClearReportBuffers(state);
  EXPECT_EQ(AllText(display.page), "three\n\n\n\n");
  EXPECT_EQ(std::tuple(state.report.PageLineCount, state.report.PageLines.size()), std::tuple(0L, size_t{2}));
  ClearReportBuffers(state);  // the page on view is no longer the buffer's: the buffer is emptied as ever
  EXPECT_EQ(AllText(display.page), "three\n\n\n\n");
}

// Lines given in one go, copied on several threads, land as if written one
// by one: both lists, their counts, the spare entry and OutLine.
TEST(ReportLines, LinesInOneGoAsOneByOne) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 50000; ++i) lines.push_back("listed line number " + std::to_string(i) + " of the page");
  AppState oneByOne, inOneGo;
  for (AppState* s : {&oneByOne, &inOneGo}) {
    WriteLine(*s, "in the data buffer only");
    StartNewPage(*s);
    WriteLine(*s, "heading");
  }
  for (const std::string& line : lines) WriteLine(oneByOne, line);
  ReportBufferSink(inOneGo).WriteLines(std::vector<std::string>(lines));
  const ReportBuffer& a = oneByOne.report;
  const ReportBuffer& b = inOneGo.report;
  EXPECT_EQ(std::tuple(b.PageLineCount, b.DataLineCount, b.OutLine),
            std::tuple(a.PageLineCount, a.DataLineCount, a.OutLine));
  EXPECT_EQ(LinesWithSpare(b.PageLines, b.PageLineCount), LinesWithSpare(a.PageLines, a.PageLineCount));
  EXPECT_EQ(LinesWithSpare(b.DataLines, b.DataLineCount), LinesWithSpare(a.DataLines, a.DataLineCount));
}

using Pages = std::vector<std::vector<std::string>>;

std::vector<std::string> Numbered(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) lines.push_back("entry " + std::to_string(i));
  return lines;
}

// The runs of lines between form-feed lines.
Pages SplitAtFormFeeds(const std::vector<std::string>& lines) {
  Pages pages(1);
  for (const auto& line : lines) {
    if (line == FormFeedLine) pages.emplace_back();
    else pages.back().push_back(line);
  }
  return pages;
}

// Lines per page; `joined` receives all lines in order.
std::vector<size_t> Sizes(const Pages& pages, std::vector<std::string>& joined) {
  std::vector<size_t> sizes;
  for (const auto& p : pages) {
    sizes.push_back(p.size());
    joined.insert(joined.end(), p.begin(), p.end());
  }
  return sizes;
}

TEST(SavePlan, FormFeedsByOption45) {
  // Entries are the buffered lines plus the spare entry; the run after the final form feed is always empty.
  const struct { double option45; int entries; std::vector<size_t> pages; const char* source; } cases[] = {
      {60, 151, {60, 59, 32, 0}, "150 lines: form feeds after entries 59, 118 and at the end"},
      {60, 60, {60, 0, 0}, "entries 0..59: a form feed after entry 59 and the final one"},
      {60, 61, {60, 1, 0}, "entry 60 starts the second page"},
      {2, 4, {2, 1, 1, 0, 0}, "N = 1: a form feed after every entry but the first"},
      {3.5, 6, {3, 2, 1, 0}, "N = round(2.5) = 2, ties to even"},
      {1.5, 5, {5, 0}, "N = round(0.5) = 0: only the final form feed"},
      {1e30, 5, {5, 0}, "N beyond any buffer: only the final form feed"},
      {-1e30, 5, {5, 0}, "N far below 1: only the final form feed"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> entries;
    EXPECT_EQ(Sizes(SplitAtFormFeeds(PlanDataFile(Numbered(c.entries), c.option45)), entries), c.pages)
        << "option 45 = " << c.option45 << ": " << c.source;
    EXPECT_EQ(entries, Numbered(c.entries)) << "every entry once, in order: " << c.source;
  }
}

// Pages break after option 30 lines and at form feeds, and again where a
// page holds more lines than the sheet.
TEST(PrintPlan, PageBreaksByCountFormFeedAndSheet) {
  auto withFormFeedAt = [](int count, std::initializer_list<int> at) {
    std::vector<std::string> lines = Numbered(count);
    for (auto it = std::rbegin(at); it != std::rend(at); ++it) lines.insert(lines.begin() + *it, FormFeedLine);
    return lines;
  };
  using Lines = std::vector<std::string>;
  constexpr long Roomy = 1000;  // lines a sheet holds: none breaks early
  const struct { Lines lines; double option30; long perSheet; std::vector<size_t> pages; const char* why; } cases[] = {
      {Numbered(150), 60, Roomy, {60, 60, 30}, "150 lines by 60"},
      {Numbered(120), 60, Roomy, {60, 60}, "a break at the end prints no blank sheet"},
      {withFormFeedAt(65, {60}), 60, 60, {60, 0, 5}, "form feed right after the 60th line: an empty page, kept"},
      {withFormFeedAt(20, {5, 12}), 60, Roomy, {5, 7, 8}, "form feeds break and are not printed"},
      {Numbered(150), 0, Roomy, {150}, "option 30 = 0: no count breaks"},
      {Numbered(150), 60.5, Roomy, {150}, "option 30 not whole: no count breaks"},
      {Numbered(3), 1, Roomy, {1, 1, 1}, "one line a page"},
      {Numbered(10), 1e30, Roomy, {10}, "a count beyond any page: no count breaks"},
      {Numbered(150), 60, 56, {56, 4, 56, 4, 30}, "option 30 = 60 on a Letter sheet of 56 lines at 12 points"},
      {Numbered(150), 0, 56, {56, 56, 38}, "option 30 = 0: the sheet alone breaks"},
      {Numbered(3), 0, 0, {1, 1, 1}, "a sheet holds at least one line"},
  };
  for (const auto& c : cases) {
    Lines printed, given;
    Pages pages;
    for (const PrintedPage& page : FitPagesToSheet(PlanPrintPages(testing::LineRows(c.lines), c.option30), c.perSheet))
      pages.emplace_back(c.lines.begin() + static_cast<long>(page.first), c.lines.begin() + static_cast<long>(page.end));
    EXPECT_EQ(Sizes(pages, printed), c.pages) << c.why;
    Sizes(SplitAtFormFeeds(c.lines), given);
    EXPECT_EQ(printed, given) << "every line once, in order, no form feed: " << c.why;
  }
}

}  // namespace
}  // namespace halcyra
