#include "shell/data_file.h"

#include <algorithm>

#include "platform/number_text.h"
#include "platform/program_files.h"
#include "platform/text_files.h"
#include "shell/report_output.h"

namespace halcyra {

std::vector<std::string> PlanDataFile(const std::vector<std::string>& entries, double option45) {
  const long n = RoundHalfEven(option45 - 1);
  std::vector<std::string> lines;
  lines.reserve(entries.size() + (n >= 1 ? entries.size() / n : 0) + 1);
  for (size_t i = 0; i < entries.size(); ++i) {
    lines.push_back(entries[i]);
    if (n >= 1 && i > 0 && i % static_cast<size_t>(n) == 0) lines.emplace_back(FormFeedLine);
  }
  lines.emplace_back(FormFeedLine);
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
  const auto lines = PlanDataFile(LinesWithSpare(r.DataLines, r.DataLineCount), state.options.OptionValues[45]);
  return WrittenElseWhy(WriteTextLinesOrReason(path, lines), reason);
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
