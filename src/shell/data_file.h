#pragma once
// The files the Data window writes from the report buffers: the data file of
// Save and Save As, and the print file that the print window reads.
#include <optional>
#include <string>
#include <vector>

#include "state/app_state.h"

namespace halcyra {

inline constexpr char FormFeedLine[] = "\f";

// The lines of a data file: every entry in order, a form-feed line after
// entry i when i > 0 is a multiple of N = option 45 - 1 (rounded half to
// even), and one more at the end. With N below 1 only the final one is
// written.
class DataFilePlan {
 public:
  DataFilePlan(size_t entries, double option45);
  size_t LineCount() const;
  // The entry that line k of the file is; nullopt for a form-feed line.
  std::optional<size_t> EntryAt(size_t line) const;

 private:
  size_t entries_;
  size_t n_;  // 0 for no form feeds but the final one
};
// The plan's lines, the entries copied into them.
std::vector<std::string> PlanDataFile(const std::vector<std::string>& entries, double option45);

// Save As's proposed name: the chart name up to its first blank when that
// blank is among the first 8 characters, else its first 8 characters, then
// ".txt" ("John Smith" gives "John.txt").
std::string DefaultSaveName(const std::string& chartName);
// The same stem with ".pdf": the name proposed for a print to a PDF file.
std::string DefaultPdfName(const std::string& chartName);

// Writes entries 0 to DataLineCount of the data buffer as a data file,
// reading them where they lie: a year's listing is not copied to be saved.
// False when it cannot, with the system's reason in `reason` when given.
bool WriteDataFile(const AppState& state, const std::string& path, std::string* reason = nullptr);

// The print file of the program folder and its writing from a list (entries
// 0 to count, no form feeds added), with the reason as WriteDataFile gives it.
std::string PrintFilePath(const AppState& state);
bool WritePrintFile(const AppState& state, const std::vector<std::string>& list, long count,
                    std::string* reason = nullptr);

}  // namespace halcyra
