#pragma once
// How the print window lays text on paper: the font size chosen by the
// longest line, and the page breaks by line count and form-feed lines.
// Pages are ranges of the text's lines, so a long text is never copied.
#include <compare>
#include <cstddef>
#include <vector>

#include "shell/text_rows.h"

namespace halcyra {

// 0, 1 or 2: raised to 1 by a line longer than option 117 characters and to
// 2 by one longer than option 118; it never goes down.
int PrintWidthModeOf(const TextRows& lines, double option117, double option118);

// Courier New points for a width mode: 8, 10 or 12.
int PrintFontPoints(int printWidthMode);

// The lines first to end - 1 of the text, printed on one page.
struct PrintedPage {
  size_t first = 0, end = 0;
  size_t LineCount() const { return end - first; }
  auto operator<=>(const PrintedPage&) const = default;
};

// The printed pages. A form-feed line starts a new page and is not printed;
// a page also ends after option 30 lines when option 30 is a positive whole
// number. Two breaks in a row leave an empty page; a break at the very end
// starts no further page.
std::vector<PrintedPage> PlanPrintPages(const TextRows& lines, double option30);

// The pages again, each longer than `linesPerSheet` broken after every
// `linesPerSheet` lines, so that no line runs off the bottom of the paper.
// A sheet holds at least one line.
std::vector<PrintedPage> FitPagesToSheet(const std::vector<PrintedPage>& pages, long linesPerSheet);

}  // namespace halcyra
