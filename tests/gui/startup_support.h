#pragma once
// Support for the start-up tests: the shared application, reset and
// recording sink, and a scratch copy of the staged program folder.
#include <QApplication>
#include <filesystem>
#include <string>

#include "gui_test_support.h"
#include "support/test_support.h"

namespace halcyra::testing {

inline void EnsureStartupApp() { EnsureTestApplication(); }

using StartupMessage = ShownMessage;
using StartupMessages = RecordingSink;

// A fresh folder holding every data file of the staged program folder.
inline std::string CopyOfProgramFolder(const std::string& name) {
  namespace fs = std::filesystem;
  const std::string dir = ScratchDir(name);
  for (const auto& entry : fs::directory_iterator(StagedProgramDir())) {
    if (!entry.is_regular_file() || entry.path().filename() == "halcyra") continue;
    fs::copy_file(entry.path(), fs::path(dir) / entry.path().filename());
  }
  return dir;
}

}  // namespace halcyra::testing
