#pragma once
// What the window benchmarks share: an application on the offscreen
// platform and a message sink, since no box may wait for a click there.
#include <QApplication>
#include <cstdlib>
#include <string>

#include "shell/ui/messages.h"

namespace halcyra::bench {

// Message boxes counted instead of shown.
struct CountingSink : MessageSink {
  int shown = 0;
  void Message(const std::string&, const std::string&, MessageIcon) override { ++shown; }
};

// Made on first use and never destroyed, as in the window tests: a static
// application would be destroyed at exit after Qt's own statics made since
// (the list its input device leaves when deleted), and crash there.
inline QApplication& OffscreenApplication() {
  static int argc = 1;
  static char name[] = "halcyra_bench";
  static char* argv[] = {name, nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static auto* app = new QApplication(argc, argv);
  app->setQuitOnLastWindowClosed(false);
  return *app;
}

}  // namespace halcyra::bench
