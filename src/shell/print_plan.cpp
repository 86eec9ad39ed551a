#include "shell/print_plan.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "shell/data_file.h"

namespace halcyra {

int PrintWidthModeOf(const std::vector<std::string>& lines, double option117, double option118) {
  int mode = 0;
  for (const std::string& line : lines) {
    const double length = static_cast<double>(line.size());
    if (length > option117 && mode < 1) mode = 1;
    if (length > option118) mode = 2;
  }
  return mode;
}

int PrintFontPoints(int printWidthMode) {
  if (printWidthMode == 2) return 8;
  if (printWidthMode == 1) return 10;
  return 12;
}

std::vector<std::vector<std::string>> PlanPrintPages(const std::vector<std::string>& lines,
                                                     double option30) {
  // A line count that is not a positive whole number never matches the counter.
  long perPage = 0;
  // Beyond 2^62 lines no page could fill anyway.
  if (option30 >= 1 && option30 < 0x1p62 && std::floor(option30) == option30)
    perPage = static_cast<long>(option30);
  std::vector<std::vector<std::string>> pages(1);
  long counter = 1;
  for (const std::string& line : lines) {
    if (line == FormFeedLine) {
      pages.emplace_back();
      counter = 1;
      continue;
    }
    pages.back().push_back(line);
    if (counter == perPage) {
      pages.emplace_back();
      counter = 1;
    } else {
      ++counter;
    }
  }
  // Ending the document right after a break prints no blank sheet.
  if (pages.size() > 1 && pages.back().empty()) pages.pop_back();
  return pages;
}

std::vector<std::vector<std::string>> FitPagesToSheet(std::vector<std::vector<std::string>> pages,
                                                      long linesPerSheet) {
  const size_t perSheet = static_cast<size_t>(std::max(linesPerSheet, 1L));
  std::vector<std::vector<std::string>> sheets;
  sheets.reserve(pages.size());
  for (std::vector<std::string>& page : pages) {
    if (page.size() <= perSheet) {
      sheets.push_back(std::move(page));
      continue;
    }
    for (size_t from = 0; from < page.size(); from += perSheet) {
      const size_t to = std::min(from + perSheet, page.size());
      sheets.emplace_back(std::make_move_iterator(page.begin() + static_cast<long>(from)),
                          std::make_move_iterator(page.begin() + static_cast<long>(to)));
    }
  }
  return sheets;
}

}  // namespace halcyra
