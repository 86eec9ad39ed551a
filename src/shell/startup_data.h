#pragma once
// The data tables loaded once at start-up from the program folder.
#include <functional>
#include <stdexcept>
#include <string>

#include "platform/text_files.h"
#include "state/app_state.h"

namespace halcyra {

// A required program file is missing or malformed; start-up cannot go on.
struct StartupFileError : std::runtime_error {
  StartupFileError(const std::string& file, long line, const std::string& what)
      : std::runtime_error(what), File(file), Line(line) {}
  std::string File;
  long Line;  // 0 when the failure is not tied to a line
};

// The refusal of a program file that was not read: "File not found: NAME
// (path)" when there is none, "Cannot read NAME (path): reason" otherwise.
StartupFileError UnreadFileError(const std::string& name, const std::string& path, const FileRefusal& refusal);

// Reads every start-up table into state.tables, reporting each step's
// caption through `progress`. Throws StartupFileError on any bad file.
void LoadStartupData(AppState& state, const std::function<void(const std::string&)>& progress);

}  // namespace halcyra
