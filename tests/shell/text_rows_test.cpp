// Texts as rows: the page as the Data window shows it, read in place from
// the page buffer; the print window's editable text; the text between two
// places; the cursor's moves and words; the rows written to a file.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/text_files.h"
#include "shell/editable_text.h"
#include "shell/shown_page.h"
#include "shell/text_cursor.h"
#include "support/line_rows.h"
#include "support/test_support.h"

namespace halcyra {

void PrintTo(const TextPos& pos, std::ostream* out) { *out << "(" << pos.row << ", " << pos.col << ")"; }

namespace {

using Lines = std::vector<std::string>;

Lines RowsOf(const TextRows& rows) {
  Lines lines;
  for (size_t row = 0; row < rows.RowCount(); ++row) lines.emplace_back(rows.Row(row));
  return lines;
}

// An entry holding a line feed shows as its parts, cut at CR LF, LF or a
// lone CR, with the part after its last line end; any other entry as it
// is. The spare entry and the row after the final line end close the page.
TEST(ShownPage, RowsOfThePage) {
  const struct { Lines entries; size_t count; Lines rows; size_t widest; const char* why; } cases[] = {
      {{}, 0, {"", ""}, 0, "an empty page: the spare entry and the final row"},
      {{"one", "two", "", "x"}, 3, {"one", "two", "", "", ""}, 3, "entries past the count are not shown"},
      {{"a", "  (a)\r\n  (b)\r\n", "z"}, 3, {"a", "  (a)", "  (b)", "", "z", "", ""}, 5, "a list ending in CR LF"},
      {{"p\nq", "r\rs\r\nt"}, 2, {"p", "q", "r", "s", "t", "", ""}, 1, "LF alone; a lone CR beside a line feed"},
      {{"cr\ronly"}, 1, {"cr\ronly", "", ""}, 7, "without a line feed an entry is not cut"},
      {{"\n", "wide line"}, 2, {"", "", "wide line", "", ""}, 9, "a bare line end"},
  };
  for (const auto& c : cases) {
    const ShownPage page(c.entries, c.count);
    EXPECT_EQ(RowsOf(page), c.rows) << c.why;
    EXPECT_EQ(page.WidestRow(), c.widest) << c.why;
    EXPECT_EQ(page.Row(page.RowCount() + 5), "") << c.why;
  }
}

// A page long enough to be scanned on several threads, with cut entries
// scattered through it, lists its rows in order.
TEST(ShownPage, LongPageScannedInRuns) {
  Lines entries, expected;
  for (int i = 0; i < 250000; ++i) {
    const std::string n = std::to_string(i);
    if (i % 9973 == 0) {
      entries.push_back(n + "a\r\n" + n + "b");
      expected.insert(expected.end(), {n + "a", n + "b"});
    } else {
      entries.push_back(n);
      expected.push_back(n);
    }
  }
  expected.insert(expected.end(), {"", ""});
  const ShownPage page(entries, entries.size());
  ASSERT_EQ(page.RowCount(), expected.size());
  EXPECT_EQ(RowsOf(page), expected);
}

// Taken over when the buffer's page is emptied, the lines stay on view.
TEST(ShownPage, TakeOverKeepsTheRows) {
  Lines buffer{"first", "two\r\nparts", "last"};
  ShownPage page(buffer, 3);
  const Lines before = RowsOf(page);
  Lines other{"first"};
  page.TakeOver(other);
  EXPECT_EQ(other.size(), 1u) << "a list it does not read is left alone";
  page.TakeOver(buffer);
  EXPECT_TRUE(buffer.empty());
  EXPECT_FALSE(page.Reads(buffer));
  buffer = {"new", "page"};
  EXPECT_EQ(RowsOf(page), before);
  ShownPage moved = std::move(page);
  EXPECT_EQ(RowsOf(moved), before);
}

TEST(EditableText, RowsAtEveryKindOfLineEnd) {
  const struct { std::string text; Lines rows; } cases[] = {
      {"", {""}},
      {"a", {"a"}},
      {"a\r\n", {"a", ""}},
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"\n\n", {"", "", ""}},
      {"\r\n\n", {"", "", ""}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"x\r", {"x", ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(RowsOf(EditableText(c.text)), c.rows) << ::testing::PrintToString(c.text);
}

// Each edit as the view makes it: the text between two places replaced.
TEST(EditableText, ReplaceBetweenTwoPlaces) {
  const struct { std::string text; TextPos a, b; std::string typed; std::string after; TextPos end; const char* why; } cases[] = {
      {"abc\r\ndef\r\n", {0, 1}, {0, 1}, "X", "aXbc\ndef\n", {0, 2}, "a typed character"},
      {"abc\r\ndef", {0, 3}, {1, 0}, "", "abcdef", {0, 3}, "Delete at a row's end joins the rows"},
      {"abc\r\ndef", {0, 1}, {0, 1}, "\n", "a\nbc\ndef", {1, 0}, "Enter cuts the row"},
      {"abc\r\ndef\r\nghi", {2, 1}, {0, 1}, "1\r\n2\r3", "a1\n2\n3hi", {2, 1}, "places in either order, any line ends"},
      {"abc\r\ndef\r\nghi", {0, 0}, {2, 3}, "", "", {0, 0}, "everything cut"},
      {"ab", {0, 9}, {5, 7}, "c", "abc", {0, 3}, "places beyond the rows' ends are the ends"},
      {"ab\ncd\nef\ngh", {1, 1}, {2, 1}, "X\nY\nZ", "ab\ncX\nY\nZf\ngh", {3, 1}, "two rows become three"},
  };
  for (const auto& c : cases) {
    EditableText text(c.text);
    EXPECT_EQ(text.Replace(c.a, c.b, c.typed), c.end) << c.why;
    EXPECT_EQ(AllText(text), c.after) << c.why;
  }
  // Rows that were edited again and again read back right from both buffers.
  EditableText text("row one\r\nrow two\r\n");
  TextPos at{1, 3};
  for (char c : std::string("ABCDEFGH")) at = text.Replace(at, at, std::string(1, c));
  text.Replace({0, 0}, {0, 4}, "");
  EXPECT_EQ(RowsOf(text), (Lines{"one", "rowABCDEFGH two", ""}));
  EXPECT_EQ(text.WidestRow(), 15u);
}

TEST(TextBetween, EitherOrderAcrossRows) {
  const Lines lines{"first row", "", "third", "fourth"};
  const testing::LineRows rows(lines);
  const struct { TextPos a, b; std::string text; } cases[] = {
      {{0, 6}, {0, 9}, "row"},
      {{0, 6}, {2, 2}, "row\n\nth"},
      {{2, 2}, {0, 6}, "row\n\nth"},
      {{1, 0}, {1, 0}, ""},
      {{0, 0}, {9, 9}, "first row\n\nthird\nfourth"},
      {{2, 99}, {3, 2}, "\nfo"},
  };
  for (const auto& c : cases) EXPECT_EQ(TextBetween(rows, c.a, c.b), c.text);
  EXPECT_EQ(AllText(rows), "first row\n\nthird\nfourth");
}

TEST(TextCursor, MovesAndWords) {
  const Lines lines{"Sun  12.30 ARI", "", "Moon", "Mercury ret."};
  const testing::LineRows rows(lines);
  const struct { TextPos from; CursorMove move; size_t goal; TextPos to; const char* why; } cases[] = {
      {{0, 0}, CursorMove::Left, 0, {0, 0}, "nothing before the start"},
      {{2, 0}, CursorMove::Left, 0, {1, 0}, "Left crosses to the end of the row above"},
      {{0, 14}, CursorMove::Right, 0, {1, 0}, "Right crosses to the next row"},
      {{3, 12}, CursorMove::Right, 0, {3, 12}, "nothing after the end"},
      {{0, 10}, CursorMove::Down, 10, {1, 0}, "a shorter row: its end"},
      {{1, 0}, CursorMove::Down, 10, {2, 4}, "the goal column where the row allows"},
      {{2, 4}, CursorMove::Down, 10, {3, 10}, "the goal column again"},
      {{3, 5}, CursorMove::Down, 5, {3, 12}, "Down on the last row: the end"},
      {{0, 5}, CursorMove::Up, 5, {0, 0}, "Up on the first row: the start"},
      {{3, 2}, CursorMove::PageUp, 2, {1, 0}, "a page of two rows up"},
      {{0, 2}, CursorMove::PageDown, 2, {2, 2}, "a page of two rows down"},
      {{2, 1}, CursorMove::PageDown, 1, {3, 1}, "a page down stops at the last row"},
      {{2, 3}, CursorMove::TextEnd, 0, {3, 12}, "the end of the text"},
      {{0, 0}, CursorMove::WordRight, 0, {0, 5}, "over the word and the blanks after it"},
      {{0, 5}, CursorMove::WordRight, 0, {0, 7}, "a number's digits, then its point"},
      {{0, 10}, CursorMove::WordLeft, 0, {0, 8}, "back to the word's start"},
      {{0, 5}, CursorMove::WordLeft, 0, {0, 0}, "over blanks to the word before"},
      {{2, 0}, CursorMove::WordLeft, 0, {1, 0}, "to the row above"},
  };
  for (const auto& c : cases) EXPECT_EQ(MoveCursor(rows, c.from, c.move, 2, c.goal), c.to) << c.why;

  const struct { TextPos at; TextPos start, end; } words[] = {
      {{0, 1}, {0, 0}, {0, 3}}, {{0, 3}, {0, 3}, {0, 5}}, {{0, 14}, {0, 11}, {0, 14}},
      {{3, 9}, {3, 8}, {3, 11}}, {{1, 0}, {1, 0}, {1, 0}},
  };
  for (const auto& w : words)
    EXPECT_EQ(WordAround(rows, w.at), std::pair(w.start, w.end)) << w.at.row << "," << w.at.col;
}

// Rows are written joined by CR LF, block by block: a text longer than one
// block comes out whole, and a text that does not end with a line end
// gets none.
TEST(TextRows, WrittenJoinedByCrLf) {
  const std::string dir = testing::ScratchDir("text_rows");
  Lines lines;
  std::string expected;
  for (int i = 0; i < 200000; ++i) {
    lines.push_back("line " + std::to_string(i));
    expected += lines.back() + "\r\n";
  }
  lines.emplace_back();  // the text ends with a line end
  ASSERT_TRUE(WriteTextRows(dir + "/long.txt", testing::LineRows(lines)));
  EXPECT_EQ(ReadWholeFile(dir + "/long.txt").value_or(""), expected);
  const Lines open{"no", "end"};
  ASSERT_TRUE(WriteTextRows(dir + "/open.txt", testing::LineRows(open)));
  EXPECT_EQ(ReadWholeFile(dir + "/open.txt").value_or(""), "no\r\nend");
  EXPECT_FALSE(WriteTextRows(dir + "/no/such/folder.txt", testing::LineRows(open)));
}

}  // namespace
}  // namespace halcyra
