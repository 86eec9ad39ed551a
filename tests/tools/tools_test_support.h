#pragma once
// Shared by the tests of the shipped data: a copy of appdata/, loaded once
// as the program loads it at start-up (a refused file throws and fails
// the test that asked for it), and the generators of tools/ run again.
#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <string>

#include "platform/program_files.h"
#include "platform/text_files.h"
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

// Debian's Python, which has python3-fonttools, as the generators use it.
inline constexpr const char* Python = "/usr/bin/python3 ";

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

// A generator of tools/ run into a scratch folder prints `report` and writes
// the shipped files byte for byte.
inline void ExpectGeneratorOutput(const std::string& script, std::initializer_list<const char*> files,
                                  const std::string& report = "") {
  const std::string dir = ScratchDir(script);
  EXPECT_EQ(CommandOutput(std::string(Python) + HALCYRA_SOURCE_DIR "/tools/" + script + " " + dir), report);
  for (const char* name : files) EXPECT_EQ(ReadWholeFile(dir + "/" + name), ReadWholeFile(ShippedPath(name))) << name;
}

}  // namespace halcyra::testing
