#pragma once
// What every window test shares: the one application object, message sinks
// that hand back the sink they replaced, the reset that gives each test the
// process as a fresh start of the program finds it, scratch program folders,
// and the headers nearly every window test uses.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/gui/messages.h"
#include "platform/text_files.h"
#include "shell/report_output.h"
#include "shell/ui/data_window.h"
#include "shell/ui/main_window.h"
#include "state/app_state.h"
#include "support/test_support.h"

namespace halcyra::testing {

// The QApplication of the test program, made on first use. Like the program
// itself, it ends from its main window, not when its last window closes.
void EnsureTestApplication();

// A fresh folder holding every data file of the staged program folder.
std::string CopyOfProgramFolder(const std::string& name);

// A fresh program folder holding a REPORTS folder and the files of appdata/
// with the given extensions (".HLP", ...).
std::string ScratchProgramFolder(const std::string& name, const std::vector<std::string>& extensions);

// The lines of LASTPAGE.TXT in App()'s program folder; "<missing>" when it cannot be read.
std::vector<std::string> LastPageLines();

// Installs itself as the message sink for its lifetime and then puts back the
// sink it replaced.
class ScopedMessageSink : public MessageSink {
 public:
  ScopedMessageSink();
  ~ScopedMessageSink() override;
  ScopedMessageSink(const ScopedMessageSink&) = delete;
  ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;
};

struct ShownMessage {
  std::string text, title;
  MessageIcon icon;
};

// Records every message box instead of showing it. Input boxes are recorded
// too and answer `inputAnswer`, or their default text while it is unset.
struct RecordingSink : ScopedMessageSink {
  std::vector<ShownMessage> shown;
  std::vector<std::string> asked;
  std::optional<std::string> inputAnswer;
  void Message(const std::string& text, const std::string& title, MessageIcon icon) override {
    shown.push_back({text, title, icon});
  }
  std::string Input(const std::string& prompt, const std::string&,
                    const std::string& defaultText) override {
    asked.push_back(prompt);
    return inputAnswer.value_or(defaultText);
  }
};

// Gives the process back the state a fresh start of the program finds:
// every top-level window deleted (not closed, which would run their exit
// work), a pending application quit forgotten, App() a fresh AppState, the
// injected date settings, clock and every installed hook back to their
// defaults, no busy pointer, no glyph font, and a message sink that fails
// the test on any box nobody expected (a real box would wait offscreen for
// a click that never comes).
void ResetGuiTestState();

// Base of the window test fixtures. The reset runs before the fixture's own
// members are made and again after they are gone, so a sink or window the
// fixture holds lives through SetUp, the test and TearDown.
class GuiTest : public ::testing::Test {
 protected:
  GuiTest() { ResetGuiTestState(); }
  ~GuiTest() override { ResetGuiTestState(); }
};

}  // namespace halcyra::testing
