// The report output channel: line counts of the buffers and of LASTPAGE.TXT,
// help pages, the warnings when a line or the last page cannot be kept; then
// Save's form-feed placement, Save As's proposed name and the print page plan.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <tuple>

#include "platform/text_files.h"
#include "shell/data_file.h"
#include "shell/print_plan.h"
#include "shell/report_output.h"
#include "support/test_support.h"

namespace {
int g_allocationsBeforeFailure = -1;  // allocations still to succeed before one fails; -1 never fails
}  // namespace

// Every allocation of this test program passes through here, so that the
// buffer-full test can make one of them fail on purpose.
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

namespace fs = std::filesystem;

// Stands in for the Data window: records what the channel asks of it.
struct RecordingDisplay : ReportDisplay {
  bool minimized = false;
  std::vector<std::string> pages, notices;  // notices as "title text"
  bool DataWindowMinimized() override { return minimized; }
  void ShowPage(AppState&, const std::string& text) override { pages.push_back(text); }
  void Notice(const std::string& text, const std::string& title, NoticeIcon) override {
    notices.push_back(title + " " + text);
  }
};

// Line counts of the page buffer, the data buffer and LASTPAGE.TXT.
using Counts = std::tuple<long, long, long>;

class ReportChannel : public ::testing::Test {
 protected:
  void SetUp() override {
    state.AppPath = testing::ScratchDir("report_channel");
    fs::create_directories(state.AppPath + "/REPORTS");
    state.services.reportDisplay = &display;
  }
  void WriteLines(int n) {
    for (int i = 1; i <= n; ++i) {
      state.report.OutLine = "line " + std::to_string(i);
      WriteOutLine(state);
    }
  }
  std::string LastPageBytes() { return ReadWholeFile(LastPagePath(state)).value_or("<missing>"); }
  Counts Now() {
    const auto file = ReadTextLines(LastPagePath(state));
    return {state.report.PageLineCount, state.report.DataLineCount, file ? static_cast<long>(file->size()) : -1};
  }

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
    EXPECT_EQ(Now(), (Counts{n + 1, n + 1, n + 2})) << "n=" << n;
  }
  std::string expected;
  for (int i = 1; i <= 40; ++i) expected += "line " + std::to_string(i) + "\r\n";
  expected += "\r\n\r\n";
  EXPECT_EQ(LastPageBytes(), expected);
  ASSERT_FALSE(display.pages.empty());
  EXPECT_EQ(display.pages.back().size(), expected.size() - 42);  // "\n" line ends on view
  ShowReport(state);  // each refresh adds one more blank line
  EXPECT_EQ(Now(), (Counts{42, 42, 43}));
}

TEST_F(ReportChannel, EntryHoldingLineBreaksShowsAsOneLinePerPart) {
  // A list kept as one entry, each item ending in CR LF: stored and counted
  // once, shown and saved as its items and the empty line after the last.
  StartNewPage(state);
  WriteLine(state, "first");
  WriteLine(state, "  (a)\r\n  (b)\r\n");
  ShowReport(state);
  EXPECT_EQ(Now(), (Counts{3, 3, 6}));
  EXPECT_EQ(LastPageBytes(), "first\r\n  (a)\r\n  (b)\r\n\r\n\r\n\r\n");
  ASSERT_EQ(display.pages.size(), 1u);
  EXPECT_EQ(display.pages[0], "first\n  (a)\n  (b)\n\n\n\n");
}

TEST_F(ReportChannel, NothingShownWhenDataBufferEmptyOrWindowMinimized) {
  StartNewPage(state);
  WriteLines(2);
  ShowReport(state);
  const std::string first = LastPageBytes();
  // Cleared data buffer: no blank line, no file, the old text stays on view.
  ClearDataBuffer(state);
  ShowReport(state);
  EXPECT_EQ(Now(), (Counts{3, 0, 4}));
  // Minimized: the page stays buffered without the blank line.
  StartNewPage(state);
  WriteLines(5);
  display.minimized = true;
  ShowReport(state);
  EXPECT_EQ(Now(), (Counts{5, 5, 4}));
  EXPECT_EQ(LastPageBytes(), first);
  EXPECT_EQ(display.pages.size(), 1u);
}

TEST_F(ReportChannel, HelpFileOfKLinesAddsKPlusTwoLines) {
  std::ofstream(state.AppPath + "/TEST.HLP", std::ios::binary) << "first\r\nsecond\r\n\r\nfourth";
  WriteLines(3);
  ShowTextHelp(state, "\\TEST.HLP");
  EXPECT_EQ(Now(), (Counts{4 + 2, 3 + 4 + 2, 4 + 3}));
  EXPECT_EQ(LastPageBytes(), "first\r\nsecond\r\n\r\nfourth\r\n\r\n\r\n\r\n");
  EXPECT_TRUE(display.notices.empty());
}

TEST_F(ReportChannel, UnwritableLastPageOrMissingHelpFileWarnsAndKeepsThePage) {
  // REPORTS is a plain file here, so LASTPAGE.TXT cannot be created below it.
  fs::remove_all(state.AppPath + "/REPORTS");
  std::ofstream(state.AppPath + "/REPORTS") << "x";
  StartNewPage(state);
  WriteLines(2);
  ShowReport(state);
  ShowTextHelp(state, "\\NOSUCH.HLP");
  ASSERT_EQ(display.notices.size(), 2u);
  for (const auto& [notice, file] : {std::pair{display.notices[0], "LASTPAGE.TXT"}, {display.notices[1], "NOSUCH.HLP"}})
    EXPECT_TRUE(notice.starts_with("Warning! ") && notice.find(file) != std::string::npos) << notice;
  EXPECT_EQ(display.pages.size(), 1u) << "shown without the file";
  EXPECT_EQ(Now(), (Counts{3, 3, -1})) << "the buffers keep the page";
}

// A line the buffers cannot take: the buffer-full warning, the line lost for
// the data buffer only, and the report going on.
TEST_F(ReportChannel, LostLineWarnsAndReportGoesOn) {
  state.report.OutLine = "first";
  WriteOutLine(state);
  state.report.OutLine = std::string(200, 'x');  // too long to be stored without allocating
  g_allocationsBeforeFailure = 0;                // the data buffer's copy of the line fails
  WriteOutLine(state);
  g_allocationsBeforeFailure = -1;
  EXPECT_EQ(display.notices, std::vector<std::string>{std::string("Warning! ") + BufferFullText});
  EXPECT_EQ(state.report.DataLineCount, 1) << "lost for the data buffer";
  EXPECT_EQ(state.report.PageLineCount, 2) << "kept on the page";

  state.report.OutLine = "after";
  WriteOutLine(state);
  EXPECT_EQ(state.report.OutLine, "after") << "WriteOutLine keeps OutLine";
  EXPECT_EQ(display.notices.size(), 1u);
  EXPECT_EQ(LinesWithSpare(state.report.DataLines, 2), (std::vector<std::string>{"first", "after", ""}));
}

// Lines given in one go land as if written one by one: both lists, their
// counts, the spare entry, OutLine and the last page. Long lists are copied
// on several threads.
TEST_F(ReportChannel, LinesInOneGoAsOneByOne) {
  for (int n : {1, 3, 50000}) {
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i) lines.push_back("listed line number " + std::to_string(i) + " of the page");
    AppState oneByOne, inOneGo;
    for (AppState* s : {&oneByOne, &inOneGo}) {
      s->AppPath = state.AppPath;
      WriteLine(*s, "in the data buffer only");
      StartNewPage(*s);
      WriteLine(*s, "heading");
    }
    for (const std::string& line : lines) WriteLine(oneByOne, line);
    ReportBufferSink sink(inOneGo);
    sink.WriteLines(std::vector<std::string>(lines));
    const ReportBuffer& a = oneByOne.report;
    const ReportBuffer& b = inOneGo.report;
    EXPECT_EQ(std::tuple(b.PageLineCount, b.DataLineCount, b.OutLine),
              std::tuple(a.PageLineCount, a.DataLineCount, a.OutLine))
        << n;
    EXPECT_EQ(LinesWithSpare(b.PageLines, b.PageLineCount), LinesWithSpare(a.PageLines, a.PageLineCount)) << n;
    EXPECT_EQ(LinesWithSpare(b.DataLines, b.DataLineCount), LinesWithSpare(a.DataLines, a.DataLineCount)) << n;
    ShowReport(oneByOne);
    const std::string expected = LastPageBytes();
    ShowReport(inOneGo);
    EXPECT_EQ(LastPageBytes(), expected) << n;
  }
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

TEST(SavePlan, DataFileBytesFromBuffer) {
  AppState state;
  state.AppPath = testing::ScratchDir("save_plan");
  state.options.OptionValues[45] = 3;  // N = 2
  for (const char* text : {"a", "b", "c", "d"}) {
    state.report.OutLine = text;
    WriteOutLine(state);
  }
  const std::string path = state.AppPath + "/out.txt";
  ASSERT_TRUE(WriteDataFile(state, path));
  EXPECT_EQ(ReadWholeFile(path).value(), "a\r\nb\r\nc\r\n\f\r\nd\r\n\r\n\f\r\n\f\r\n");
  EXPECT_FALSE(WriteDataFile(state, state.AppPath + "/no/such/folder/out.txt"));
}

TEST(SavePlan, DefaultSaveNames) {
  // The name up to its first blank, at most 8 characters (the window tests save "Christop.txt").
  const std::pair<const char*, const char*> cases[] = {
      {"Abcdefg Z", "Abcdefg.txt"}, {"Abcdefgh Z", "Abcdefgh.txt"}, {"Margaretha", "Margaret.txt"},
      {" Leading", ".txt"},         {"", ".txt"}};
  for (const auto& [chartName, expected] : cases)
    EXPECT_EQ(DefaultSaveName(chartName), expected) << '"' << chartName << '"';
}

TEST(PrintPlan, FontSizeByLongestLine) {
  // Options 117 = 80 and 118 = 96; the longest line decides wherever it stands.
  const struct { std::vector<size_t> lengths; int points; } cases[] = {
      {{70, 100, 85}, 8}, {{100, 70}, 8}, {{85, 70}, 10}, {{80, 96}, 10}, {{80, 80, 0}, 12}, {{}, 12}};
  for (const auto& c : cases) {
    std::vector<std::string> lines;
    for (size_t n : c.lengths) lines.emplace_back(n, 'x');
    EXPECT_EQ(PrintFontPoints(PrintWidthModeOf(lines, 80, 96)), c.points)
        << "first length " << (c.lengths.empty() ? 0 : c.lengths[0]);
  }
}

TEST(PrintPlan, PageBreaksByCountAndFormFeed) {
  auto withFormFeedAt = [](int count, std::initializer_list<int> at) {
    std::vector<std::string> lines = Numbered(count);
    for (auto it = std::rbegin(at); it != std::rend(at); ++it) lines.insert(lines.begin() + *it, FormFeedLine);
    return lines;
  };
  using Lines = std::vector<std::string>;
  const struct { Lines lines; double option30; std::vector<size_t> pages; const char* why; } cases[] = {
      {Numbered(150), 60, {60, 60, 30}, "150 lines by 60"},
      {Numbered(120), 60, {60, 60}, "a break at the end prints no blank sheet"},
      {withFormFeedAt(65, {60}), 60, {60, 0, 5}, "form feed right after the 60th line: empty page"},
      {withFormFeedAt(20, {5, 12}), 60, {5, 7, 8}, "form feeds break and are not printed"},
      {Numbered(150), 0, {150}, "option 30 = 0: no count breaks"},
      {Numbered(150), 60.5, {150}, "option 30 not whole: no count breaks"},
      {Numbered(3), 1, {1, 1, 1}, "one line a page"},
      {Numbered(10), 1e30, {10}, "a count beyond any page: no count breaks"},
  };
  for (const auto& c : cases) {
    Lines printed, given;
    EXPECT_EQ(Sizes(PlanPrintPages(c.lines, c.option30), printed), c.pages) << c.why;
    Sizes(SplitAtFormFeeds(c.lines), given);
    EXPECT_EQ(printed, given) << "every line once, no form feed: " << c.why;
  }
}

// A page with more lines than the sheet holds breaks early; pages that fit,
// empty pages from form feeds among them, stay as they are.
TEST(PrintPlan, PagesLongerThanTheSheetBreakEarly) {
  using Lines = std::vector<std::string>;
  const struct { std::vector<size_t> pages; long perSheet; std::vector<size_t> sheets; const char* why; } cases[] = {
      {{60, 60, 30}, 56, {56, 4, 56, 4, 30}, "option 30 = 60 on a Letter sheet of 56 lines at 12 points"},
      {{150}, 56, {56, 56, 38}, "option 30 = 0: the sheet alone breaks"},
      {{60, 0, 5}, 60, {60, 0, 5}, "everything fits; the empty page stays"},
      {{3}, 0, {1, 1, 1}, "a sheet holds at least one line"},
  };
  for (const auto& c : cases) {
    std::vector<Lines> pages;
    int next = 1;
    for (size_t size : c.pages) {
      Lines page;
      for (size_t i = 0; i < size; ++i) page.push_back(std::to_string(next++));
      pages.push_back(page);
    }
    Lines printed, given;
    Sizes(pages, given);
    EXPECT_EQ(Sizes(FitPagesToSheet(pages, c.perSheet), printed), c.sheets) << c.why;
    EXPECT_EQ(printed, given) << "every line once, in order: " << c.why;
  }
}

}  // namespace
}  // namespace halcyra
