#pragma once
// How the print window lays text on paper: the font size chosen by the
// longest line, and the page breaks by line count and form-feed lines.
#include <string>
#include <vector>

namespace halcyra {

// 0, 1 or 2: raised to 1 by a line longer than option 117 characters and to
// 2 by one longer than option 118; it never goes down.
int PrintWidthModeOf(const std::vector<std::string>& lines, double option117, double option118);

// Courier New points for a width mode: 8, 10 or 12.
int PrintFontPoints(int printWidthMode);

// The printed pages, each the lines printed on it. A form-feed line starts a
// new page and is not printed; a page also ends after option 30 lines when
// option 30 is a positive whole number. Two breaks in a row leave an empty
// page; a break at the very end starts no further page.
std::vector<std::vector<std::string>> PlanPrintPages(const std::vector<std::string>& lines,
                                                     double option30);

// The pages again, each longer than `linesPerSheet` broken after every
// `linesPerSheet` lines, so that no line runs off the bottom of the paper.
// A sheet holds at least one line.
std::vector<std::vector<std::string>> FitPagesToSheet(std::vector<std::vector<std::string>> pages,
                                                      long linesPerSheet);

}  // namespace halcyra
