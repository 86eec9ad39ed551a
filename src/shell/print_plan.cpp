#include "shell/print_plan.h"

#include <algorithm>
#include <cmath>

#include "shell/data_file.h"

namespace halcyra {

int PrintWidthModeOf(const TextRows& lines, double option117, double option118) {
  int mode = 0;
  for (size_t i = 0; i < lines.RowCount(); ++i) {
    const double length = static_cast<double>(lines.Row(i).size());
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

std::vector<PrintedPage> PlanPrintPages(const TextRows& lines, double option30) {
  // A line count that is not a positive whole number never matches the counter.
  size_t perPage = 0;
  // Beyond 2^62 lines no page could fill anyway.
  if (option30 >= 1 && option30 < 0x1p62 && std::floor(option30) == option30)
    perPage = static_cast<size_t>(option30);
  std::vector<PrintedPage> pages(1);
  for (size_t i = 0; i < lines.RowCount(); ++i) {
    if (lines.Row(i) == FormFeedLine) {
      pages.push_back({i + 1, i + 1});
      continue;
    }
    pages.back().end = i + 1;
    if (pages.back().LineCount() == perPage) pages.push_back({i + 1, i + 1});
  }
  // Ending the document right after a break prints no blank sheet.
  if (pages.size() > 1 && pages.back().LineCount() == 0) pages.pop_back();
  return pages;
}

std::vector<PrintedPage> FitPagesToSheet(const std::vector<PrintedPage>& pages, long linesPerSheet) {
  const size_t perSheet = static_cast<size_t>(std::max(linesPerSheet, 1L));
  std::vector<PrintedPage> sheets;
  sheets.reserve(pages.size());
  for (const PrintedPage& page : pages) {
    if (page.LineCount() <= perSheet) {
      sheets.push_back(page);
      continue;
    }
    for (size_t from = page.first; from < page.end; from += perSheet)
      sheets.push_back({from, std::min(from + perSheet, page.end)});
  }
  return sheets;
}

}  // namespace halcyra
