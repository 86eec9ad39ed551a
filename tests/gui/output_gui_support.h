#pragma once
// Support for the Data window, print window and editor tests: one
// application object, a recording message sink and a scratch program folder.
#include <QApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/gui/messages.h"
#include "support/test_support.h"

namespace halcyra::testing {

inline void EnsureGuiApp() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "test_gui";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

struct ShownMessage {
  std::string text, title;
  MessageIcon icon;
};

// Records every message box instead of showing it.
struct RecordingSink : MessageSink {
  std::vector<ShownMessage> shown;
  RecordingSink() { SetMessageSink(this); }
  ~RecordingSink() override { SetMessageSink(nullptr); }
  void Message(const std::string& text, const std::string& title, MessageIcon icon) override {
    shown.push_back({text, title, icon});
  }
};

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
