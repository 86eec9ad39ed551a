// Save's form-feed placement, Save As's proposed name and the print page plan.
#include <gtest/gtest.h>

#include "platform/text_files.h"
#include "shell/data_file.h"
#include "shell/print_plan.h"
#include "shell/report_output.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

std::vector<std::string> Numbered(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) lines.push_back("entry " + std::to_string(i));
  return lines;
}

// Lines per page of a planned data file: the runs between form-feed lines.
std::vector<size_t> PageSizes(const std::vector<std::string>& lines) {
  std::vector<size_t> sizes(1, 0);
  for (const auto& line : lines) {
    if (line == FormFeedLine) sizes.push_back(0);
    else ++sizes.back();
  }
  return sizes;
}

TEST(SavePlan, FormFeedsByOption45) {
  struct Case {
    double option45;
    int entries;  // buffered lines plus the spare entry
    std::vector<size_t> pages;  // the last run after the final form feed is always 0
    const char* source;
  };
  const Case cases[] = {
      {60, 151, {60, 59, 32, 0}, "150 lines: form feeds after entries 59, 118 and at the end"},
      {60, 60, {60, 0, 0}, "entries 0..59: a form feed after entry 59 and the final one"},
      {60, 61, {60, 1, 0}, "entry 60 starts the second page"},
      {2, 4, {2, 1, 1, 0, 0}, "N = 1: a form feed after every entry but the first"},
      {3.5, 6, {3, 2, 1, 0}, "N = round(2.5) = 2, ties to even"},
      {1.5, 5, {5, 0}, "N = round(0.5) = 0: only the final form feed"},
      {1, 5, {5, 0}, "N = 0"},
      {0, 5, {5, 0}, "N = -1"},
      {-20, 3, {3, 0}, "N negative"},
  };
  for (const Case& c : cases) {
    const auto lines = PlanDataFile(Numbered(c.entries), c.option45);
    EXPECT_EQ(PageSizes(lines), c.pages) << "option 45 = " << c.option45 << ": " << c.source;
  }
  const auto plan = PlanDataFile(Numbered(151), 60);
  EXPECT_EQ(plan[59], "entry 59");
  EXPECT_EQ(plan[60], FormFeedLine);
  EXPECT_EQ(plan[119], "entry 118");
  EXPECT_EQ(plan[120], FormFeedLine);
  EXPECT_EQ(plan.back(), FormFeedLine);
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
  struct Case {
    const char* chartName;
    const char* expected;
  };
  const Case cases[] = {
      {"John Smith", "John.txt"},
      {"Christopher Columbus", "Christop.txt"},
      {"Now", "Now.txt"},
      {" Leading", ".txt"},
      {"", ".txt"},
      {"Abcdefg Z", "Abcdefg.txt"},    // blank at position 8
      {"Abcdefgh Z", "Abcdefgh.txt"},  // blank at position 9: first 8 characters
      {"Margaretha", "Margaret.txt"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DefaultSaveName(c.chartName), c.expected) << '"' << c.chartName << '"';
}

TEST(PrintPlan, FontSizeByLongestLine) {
  struct Case {
    std::vector<size_t> lengths;
    int points;
  };
  // Options 117 = 80 and 118 = 96.
  const Case cases[] = {
      {{70, 100, 85}, 8},  // the 100-character line decides wherever it stands
      {{100, 70}, 8},
      {{85, 70}, 10},
      {{80, 96}, 10},      // 96 exceeds 80 but not 96
      {{80, 80, 0}, 12},
      {{}, 12},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines;
    for (size_t n : c.lengths) lines.emplace_back(n, 'x');
    EXPECT_EQ(PrintFontPoints(PrintWidthModeOf(lines, 80, 96)), c.points)
        << "first length " << (c.lengths.empty() ? 0 : c.lengths[0]);
  }
}

TEST(PrintPlan, PageBreaksByCountAndFormFeed) {
  auto sizes = [](const std::vector<std::vector<std::string>>& pages) {
    std::vector<size_t> out;
    for (const auto& p : pages) out.push_back(p.size());
    return out;
  };
  auto withFormFeedAt = [](int count, std::initializer_list<int> at) {
    std::vector<std::string> lines = Numbered(count);
    for (auto it = std::rbegin(at); it != std::rend(at); ++it)
      lines.insert(lines.begin() + *it, FormFeedLine);
    return lines;
  };
  struct Case {
    std::vector<std::string> lines;
    double option30;
    std::vector<size_t> pages;
    const char* what;
  };
  const Case cases[] = {
      {Numbered(150), 60, {60, 60, 30}, "150 lines by 60"},
      {Numbered(120), 60, {60, 60}, "a break at the end prints no blank sheet"},
      {withFormFeedAt(65, {60}), 60, {60, 0, 5}, "form feed right after the 60th line: empty page"},
      {withFormFeedAt(20, {5, 12}), 60, {5, 7, 8}, "form feeds break and are not printed"},
      {Numbered(150), 0, {150}, "option 30 = 0: no count breaks"},
      {Numbered(150), 60.5, {150}, "option 30 not whole: no count breaks"},
      {Numbered(150), -60, {150}, "option 30 negative"},
      {Numbered(3), 1, {1, 1, 1}, "one line a page"},
  };
  for (const Case& c : cases) {
    const auto pages = PlanPrintPages(c.lines, c.option30);
    EXPECT_EQ(sizes(pages), c.pages) << c.what;
    for (const auto& page : pages)
      for (const auto& line : page) EXPECT_NE(line, FormFeedLine) << c.what;
  }
  const auto pages = PlanPrintPages(Numbered(150), 60);
  EXPECT_EQ(pages[1].front(), "entry 60");
  EXPECT_EQ(pages[2].back(), "entry 149");
}

}  // namespace
}  // namespace halcyra
