#pragma once
// The names file: one chart per line, the name followed by the natal input
// window's own fields (see docs/names-file.md).
#include <optional>
#include <string>
#include <vector>

#include "chart_input/entry_lines.h"
#include "chart_input/input_boxes.h"
#include "state/moment.h"
#include "state/place.h"

namespace halcyra {

struct NameEntry {
  std::string Name;
  bool HasMoment = false;  // false: the chart is for the moment it is computed
  bool HasPlace = false;   // false: the home place of the options, its zone included
  // The date and clock time when HasMoment; the zone, which the line keeps
  // with the place, when HasPlace.
  Moment When;
  Place Where;
};

// One line of a names file, or nullopt when it is not a names entry.
std::optional<NameEntry> ParseNameLine(const std::string& line);
std::string FormatNameLine(const NameEntry& entry);

using LoadedNames = LoadedEntries<NameEntry>;
LoadedNames LoadNamesFile(const std::string& path);

// An entry for a name and the natal window's moment and place.
NameEntry NameEntryOf(const std::string& name, const Moment& moment, const Place& place);

// A name that can stand first on a line: not empty, no line break, and not
// beginning with the comment mark. Returns the refusal text, "" when fine.
std::string NameRefusal(const std::string& name);

// What the name box says of a character that the names file and the
// reports cannot hold, named with its code: "– (U+2013)".
std::string NameCharacterRefusal(const std::string& character);

enum class NameSaveResult { Saved, FileUnreadable, WriteFailed };

// Adds the entry as the file's last line. Every line already in the file is
// written back as it was (comments and lines the list skipped included), and
// the file is replaced all at once, so a failure leaves it untouched. A file
// that exists but cannot be read is not written; `reason`, when given, says
// why the file was not read or not written.
NameSaveResult AppendNameEntry(const std::string& path, const NameEntry& entry, std::string* reason = nullptr);

}  // namespace halcyra
