#pragma once
// What the names, city and time-zone files share: comma-separated lines,
// comment lines, strict field reading, the loading that skips what it cannot
// read, and the one message that reports the lines it skipped.
#include <optional>
#include <string>
#include <vector>

#include "platform/text_files.h"

namespace halcyra {

// Empty lines, lines of blanks and lines whose first other character is ';'
// carry no entry.
bool IsCommentOrBlank(const std::string& line);

std::string TrimBlanks(const std::string& text);

// The letters a to z as capitals, every other byte as it is.
std::string UpperAscii(std::string text);

// The line cut at its commas, each field without surrounding blanks.
std::vector<std::string> SplitFields(const std::string& line);

// A leading free-text name followed by exactly `fieldCount` fields: the name
// is everything before the last `fieldCount` commas, so it may hold commas of
// its own. nullopt when the line has too few commas or the name is empty.
struct NamedFields {
  std::string Name;
  std::vector<std::string> Fields;
};
std::optional<NamedFields> SplitNameAndFields(const std::string& line, int fieldCount);

// A whole number of digits only, within [low, high].
std::optional<int> WholeField(const std::string& field, int low, int high);

// One of two letters, either case ("E"/"W"): false for the first, true for
// the second.
std::optional<bool> ChoiceField(const std::string& field, char first, char second);

// How one file load went: unreadable, or some lines skipped.
struct FileProblems {
  std::string Path;
  bool Unreadable = false;
  FileRefusal Refusal;        // why, when Unreadable
  std::vector<int> BadLines;  // 1-based line numbers
  bool Any() const { return Unreadable || !BadLines.empty(); }
  // One message naming the file and the skipped lines; `kind` is "names",
  // "city" or "time-zone". Empty when nothing went wrong.
  std::string Message(const std::string& kind) const;
};

// The entries of one names, city or time-zone file and how its load went.
template <typename Entry>
struct LoadedEntries {
  std::vector<Entry> Entries;
  FileProblems Problems;
};

// Reads the file line by line: blank and comment lines carry nothing, and a
// line `parse` refuses is skipped, its number kept for the message.
template <typename Entry>
LoadedEntries<Entry> LoadEntryFile(const std::string& path, std::optional<Entry> (*parse)(const std::string&)) {
  LoadedEntries<Entry> loaded;
  loaded.Problems.Path = path;
  auto lines = ReadTextLines(path, &loaded.Problems.Refusal);
  if (!lines) {
    loaded.Problems.Unreadable = true;
    return loaded;
  }
  // room for every line at once: a long file's entries never grow, holding twice their size
  loaded.Entries.reserve(lines->size());
  for (size_t i = 0; i < lines->size(); ++i) {
    const std::string& line = (*lines)[i];
    if (IsCommentOrBlank(line)) continue;
    if (auto entry = parse(line))
      loaded.Entries.push_back(*entry);
    else
      loaded.Problems.BadLines.push_back(static_cast<int>(i + 1));
  }
  return loaded;
}

}  // namespace halcyra
