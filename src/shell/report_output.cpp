#include "shell/report_output.h"

#include <iostream>
#include <iterator>
#include <new>
#include <stdexcept>
#include <utility>

#include "platform/parallel_runs.h"
#include "platform/program_files.h"
#include "platform/text_files.h"
#include "shell/shown_page.h"

namespace halcyra {

namespace {

// Stores a line at entry `count` and keeps the empty spare entry after it.
// A list that cannot grow keeps what it held.
bool AppendEntry(std::vector<std::string>& list, long& count, const std::string& line) {
  try {
    const size_t needed = static_cast<size_t>(count) + 2;
    if (list.size() < needed) list.resize(needed);
    list[count] = line;
    list[count + 1].clear();
    ++count;
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
}

// Lines a thread copies or frees at least when a long listing's page is
// written or emptied: below this one thread is faster than several.
constexpr size_t kLinesPerThread = 20000;

void EmptyList(std::vector<std::string>& list, long& count) {
  FreeLines(list);
  list.assign(2, std::string());
  count = 0;
}

// Empties the page; lines still on view go to the display instead of being freed.
void EmptyPage(AppState& state) {
  ReportBuffer& r = state.report;
  if (ReportDisplay* display = state.services.reportDisplay) display->KeepShownPage(r.PageLines);
  EmptyList(r.PageLines, r.PageLineCount);
}

// Says once per report that it lost lines (a year's listing may lose a
// million), as the report ends: by then the memory its writer held is
// free again, and the box can be built.
void NoticeLostLines(AppState& state) {
  if (!state.report.LinesLost) return;
  state.report.LinesLost = false;
  ShowNotice(state, BufferFullText, "Warning!", NoticeIcon::Critical);
}

}  // namespace

void FreeLines(std::vector<std::string>& list) {
  ForEachRun(list.size(), kLinesPerThread, 0, [&list](size_t first, size_t end) {
    for (size_t k = first; k < end; ++k) std::string().swap(list[k]);
  });
  list.clear();
}

void ShowNotice(AppState& state, const std::string& text, const std::string& title, NoticeIcon icon) {
  if (ReportDisplay* display = state.services.reportDisplay) {
    display->Notice(text, title, icon);
    return;
  }
  std::cerr << title << ' ' << text << '\n';
}

void WriteOutLine(AppState& state) {
  ReportBuffer& r = state.report;
  const bool dataOk = AppendEntry(r.DataLines, r.DataLineCount, r.OutLine);
  const bool pageOk = AppendEntry(r.PageLines, r.PageLineCount, r.OutLine);
  // The writer goes on with its next line; the report says so as it ends.
  if (!dataOk || !pageOk) r.LinesLost = true;
}

void WriteBlankLine(AppState& state) {
  state.report.OutLine.clear();
  WriteOutLine(state);
}

void WriteLine(AppState& state, std::string text) {
  state.report.OutLine = std::move(text);
  WriteOutLine(state);
}

void WriteLines(AppState& state, std::vector<std::string>&& lines) {
  if (lines.empty()) return;
  ReportBuffer& r = state.report;
  const size_t dataCount = static_cast<size_t>(r.DataLineCount), pageCount = static_cast<size_t>(r.PageLineCount);
  try {
    r.DataLines.reserve(dataCount + lines.size() + 1);
    r.PageLines.reserve(pageCount + lines.size() + 1);
    r.DataLines.resize(dataCount + lines.size());  // the spare entry goes after the new lines
    ForEachRun(lines.size(), kLinesPerThread, 0, [&](size_t first, size_t end) {
      for (size_t k = first; k < end; ++k) r.DataLines[dataCount + k] = lines[k];
    });
  } catch (const std::exception&) {
    // too many to take at once: line by line, each lost line saying so
    r.DataLines.resize(dataCount);
    r.DataLines.emplace_back();
    for (std::string& line : lines) WriteLine(state, std::move(line));
    return;
  }
  r.DataLines.emplace_back();
  r.DataLineCount += static_cast<long>(lines.size());
  r.OutLine = lines.back();
  // the page takes the lines themselves, in the room reserved for them
  r.PageLines.resize(pageCount);
  r.PageLines.insert(r.PageLines.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
  r.PageLines.emplace_back();
  r.PageLineCount += static_cast<long>(lines.size());
}

void ReportBufferSink::WriteLine(const std::string& line) { halcyra::WriteLine(state_, line); }

void ReportBufferSink::WriteLines(std::vector<std::string>&& lines) { halcyra::WriteLines(state_, std::move(lines)); }

void StartNewPage(AppState& state) {
  if (ReportDisplay* display = state.services.reportDisplay) display->LoadDataWindow(state);
  if (state.flags.ListingActive == 1) {
    state.flags.ListingActive = 0;
    state.chart.MoreMenuVisible = 0;
  }
  state.report.NewDateVisible = false;
  NoticeLostLines(state);
  EmptyPage(state);
  if (ReportDisplay* display = state.services.reportDisplay) display->MoreMenuChanged(state);
}

std::vector<std::string> LinesWithSpare(const std::vector<std::string>& list, long count) {
  std::vector<std::string> lines;
  if (count < 0) count = 0;
  lines.reserve(static_cast<size_t>(count) + 1);
  for (long i = 0; i <= count; ++i)
    lines.push_back(static_cast<size_t>(i) < list.size() ? list[i] : std::string());
  lines.back().clear();  // the spare entry is empty whatever the list holds there
  return lines;
}

std::vector<std::string> ShownLines(const std::vector<std::string>& entries) {
  const ShownPage page(entries, entries.size());
  std::vector<std::string> shown;
  // without the spare entry and the row after the final line end
  shown.reserve(page.RowCount() - 2);
  for (size_t row = 0; row + 2 < page.RowCount(); ++row) shown.emplace_back(page.Row(row));
  return shown;
}

std::string LastPagePath(const AppState& state) {
  return ProgramFile(state.AppPath, "REPORTS/LASTPAGE.TXT");
}

namespace {

void ShowPageOfReport(AppState& state) {
  // A minimized Data window or an emptied data buffer shows nothing and
  // leaves the page as it is.
  ReportDisplay* display = state.services.reportDisplay;
  if (display && display->DataWindowMinimized()) return;
  if (state.report.DataLineCount == 0) return;
  WriteBlankLine(state);
  ShownPage page(state.report.PageLines, static_cast<size_t>(state.report.PageLineCount));
  const std::string path = LastPagePath(state);
  // The page is still shown when the file cannot be written: the buffers hold it.
  std::string reason;
  if (!WriteTextRows(path, page, &reason))
    ShowNotice(state, "Cannot write the report page to the file " + path + ": " + reason + ".", "Warning!",
               NoticeIcon::Exclamation);
  if (display) display->ShowPage(state, std::move(page));
}

}  // namespace

void ShowReport(AppState& state) {
  ShowPageOfReport(state);
  NoticeLostLines(state);
}

void ShowTextHelp(AppState& state, const std::string& helpFileName) {
  state.report.HelpFileName = helpFileName;
  const std::string path = ProgramFile(state.AppPath, helpFileName);
  FileRefusal refusal;
  const auto lines = ReadTextLines(path, &refusal);
  // A missing help file leaves the page on view as it was.
  if (!lines) {
    ShowNotice(state, "Cannot read the help file " + path + refusal.ColonReason() + ".", "Warning!",
               NoticeIcon::Exclamation);
    return;
  }
  StartNewPage(state);
  for (const std::string& line : *lines) {
    state.report.OutLine = line;
    WriteOutLine(state);
  }
  WriteBlankLine(state);
  ShowReport(state);
}

void ClearDataBuffer(AppState& state) {
  EmptyList(state.report.DataLines, state.report.DataLineCount);
}

void ClearReportBuffers(AppState& state) {
  EmptyList(state.report.DataLines, state.report.DataLineCount);
  EmptyPage(state);
}

void ShowListingMoreMenu(AppState& state) {
  state.flags.ListingActive = 1;
  state.chart.MoreMenuVisible = 1;
  state.report.NewDateVisible = true;
  if (ReportDisplay* display = state.services.reportDisplay) display->MoreMenuChanged(state);
}

void HideListingMoreMenu(AppState& state) {
  state.chart.MoreMenuVisible = 0;
  if (ReportDisplay* display = state.services.reportDisplay) display->MoreMenuChanged(state);
}

}  // namespace halcyra
