#include "shell/data_file.h"

#include <algorithm>

#include "platform/number_text.h"
#include "platform/program_files.h"
#include "platform/text_files.h"
#include "shell/report_output.h"

namespace halcyra {

DataFilePlan::DataFilePlan(size_t entries, double option45) : entries_(entries) {
  const long n = RoundHalfEven(option45 - 1);
  // an N of at least the entry count breaks no page before the end
  n_ = n < 1 ? 0 : std::min(static_cast<size_t>(n), std::max<size_t>(entries, 1));
}

size_t DataFilePlan::LineCount() const {
  return entries_ + (n_ > 0 && entries_ > 0 ? (entries_ - 1) / n_ : 0) + 1;
}

std::optional<size_t> DataFilePlan::EntryAt(size_t line) const {
  // Entry 0, then runs of N entries each followed by a form feed (the first
  // run begins at entry 1), then the final form feed.
  size_t entry = line;
  if (n_ > 0 && line > 0) {
    const size_t run = (line - 1) / (n_ + 1), within = (line - 1) % (n_ + 1);
    if (within == n_) return std::nullopt;
    entry = run * n_ + within + 1;
  }
  if (entry >= entries_) return std::nullopt;
  return entry;
}

std::vector<std::string> PlanDataFile(const std::vector<std::string>& entries, double option45) {
  const DataFilePlan plan(entries.size(), option45);
  std::vector<std::string> lines;
  lines.reserve(plan.LineCount());
  for (size_t k = 0; k < plan.LineCount(); ++k) {
    const auto entry = plan.EntryAt(k);
    lines.push_back(entry ? entries[*entry] : FormFeedLine);
  }
  return lines;
}

std::string DefaultSaveName(const std::string& chartName) {
  const size_t blank = chartName.find(' ');
  const size_t stem = (blank != std::string::npos && blank < 8) ? blank : 8;
  return chartName.substr(0, stem) + ".txt";
}

std::string DefaultPdfName(const std::string& chartName) {
  std::string name = DefaultSaveName(chartName);
  return name.replace(name.size() - 4, 4, ".pdf");
}

bool WriteDataFile(const AppState& state, const std::string& path, std::string* reason) {
  const ReportBuffer& r = state.report;
  // entries 0 to DataLineCount: the lines and the empty spare entry after them
  const size_t lines = static_cast<size_t>(std::max(r.DataLineCount, 0L));
  const DataFilePlan plan(lines + 1, state.options.OptionValues[45]);
  const auto line = [&](size_t k) {
    const auto entry = plan.EntryAt(k);
    if (!entry) return std::string_view(FormFeedLine);
    return *entry < lines && *entry < r.DataLines.size() ? std::string_view(r.DataLines[*entry]) : std::string_view();
  };
  return WrittenElseWhy(WriteTextLinesOrReason(path, plan.LineCount(), line), reason);
}

std::string PrintFilePath(const AppState& state) {
  return ProgramFile(state.AppPath, "PRNTFILE.XXX");
}

bool WritePrintFile(const AppState& state, const std::vector<std::string>& list, long count, std::string* reason) {
  // read where they lie: a long listing's page is not copied
  const size_t lines = static_cast<size_t>(std::max(count, 0L));
  const auto line = [&list, lines](size_t i) {
    return i < lines && i < list.size() ? std::string_view(list[i]) : std::string_view();
  };
  return WrittenElseWhy(WriteTextLinesOrReason(PrintFilePath(state), lines + 1, line), reason);
}

}  // namespace halcyra
