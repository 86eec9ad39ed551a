#pragma once
// Shared by the tests of the shipped data: a copy of appdata/, loaded once
// as the program loads it at start-up (a refused file throws and fails
// the test that asked for it), and the generators of tools/ run again.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/program_files.h"
#include "platform/run_and_wait.h"
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
inline constexpr const char* Python = "/usr/bin/python3";

// What a program prints (standard output and error) when run with these
// arguments, each passed as it is: no shell reads them, so a folder with
// blanks or quotes in its name is one argument. "exit N" is appended when
// the program fails.
inline std::string CommandOutput(const std::string& program, const std::vector<std::string>& arguments) {
  const ProgramRun run = RunAndWaitWithArguments(program, arguments);
  if (!run.started) return "cannot run " + program;
  return run.output + (run.Succeeded() ? "" : "exit " + std::to_string(run.exitCode));
}

// A generator of tools/ run into a scratch folder prints `report` and writes
// the shipped files byte for byte.
inline void ExpectGeneratorOutput(const std::string& script, std::initializer_list<const char*> files,
                                  const std::string& report = "") {
  const std::string dir = ScratchDir(script);
  EXPECT_EQ(CommandOutput(Python, {HALCYRA_SOURCE_DIR "/tools/" + script, dir}), report);
  for (const char* name : files) EXPECT_EQ(ReadWholeFile(dir + "/" + name), ReadWholeFile(ShippedPath(name))) << name;
}

}  // namespace halcyra::testing
