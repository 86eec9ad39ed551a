#pragma once
// The staged program folder, loaded once as the program loads it at start-up;
// a refused file throws and fails the test that asked for it.
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

}  // namespace halcyra::testing
