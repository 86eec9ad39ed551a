#pragma once
// Support for the start-up tests: one application object, a recording
// message sink, and a scratch copy of the staged program folder.
#include <QApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/gui/messages.h"
#include "support/test_support.h"

namespace halcyra::testing {

inline void EnsureStartupApp() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "test_gui";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

struct StartupMessage {
  std::string text, title;
  MessageIcon icon;
};

struct StartupMessages : MessageSink {
  std::vector<StartupMessage> shown;
  StartupMessages() { SetMessageSink(this); }
  ~StartupMessages() override { SetMessageSink(nullptr); }
  void Message(const std::string& text, const std::string& title, MessageIcon icon) override {
    shown.push_back({text, title, icon});
  }
};

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
