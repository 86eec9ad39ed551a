#pragma once
// Support for the Data window, print window and editor tests: the shared
// application, reset and recording sink, and a scratch program folder.
#include <QApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "gui_test_support.h"
#include "support/test_support.h"

namespace halcyra::testing {

inline void EnsureGuiApp() { EnsureTestApplication(); }

// A scratch program folder holding a REPORTS folder and the given files of appdata/.
inline std::string ScratchProgramFolder(const std::string& name,
                                        const std::vector<std::string>& extensions) {
  namespace fs = std::filesystem;
  const std::string dir = ScratchDir(name);
  fs::create_directories(dir + "/REPORTS");
  for (const auto& entry : fs::directory_iterator(SourceAppData())) {
    const std::string ext = entry.path().extension().string();
    for (const std::string& wanted : extensions)
      if (ext == wanted) fs::copy_file(entry.path(), dir + "/" + entry.path().filename().string());
  }
  return dir;
}

}  // namespace halcyra::testing
