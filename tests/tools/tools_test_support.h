#pragma once
// Shared by the tests of the shipped data: the staged program folder, loaded
// once as the program loads it at start-up (a refused file throws and fails
// the test that asked for it), and the output of the generators' Python.
#include <cstdio>
#include <string>

#include "platform/program_files.h"
#include "shell/startup_data.h"
#include "support/test_support.h"

namespace halcyra::testing {

inline std::string ShippedPath(const std::string& name) { return ProgramFile(StagedProgramDir(), name); }

inline const AppState& ShippedState() {
  static const AppState state = [] {
    AppState s;
    s.AppPath = StagedProgramDir();
    LoadStartupData(s, nullptr);
    return s;
  }();
  return state;
}

// What a command prints on standard output; "exit N" appended when it fails.
inline std::string CommandOutput(const std::string& command) {
  std::string text;
  FILE* out = popen(command.c_str(), "r");
  if (!out) return "cannot run " + command;
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, out)) text += buffer;
  if (const int status = pclose(out); status != 0) text += "exit " + std::to_string(status);
  return text;
}

// Debian's Python, which has python3-fonttools, as the generators use it.
inline constexpr const char* Python = "/usr/bin/python3 ";

}  // namespace halcyra::testing
