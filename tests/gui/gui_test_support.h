#pragma once
// What every window test shares: the one application object, message sinks
// that hand back the sink they replaced, the reset that gives each test the
// process as a fresh start of the program finds it, scratch program folders,
// and the headers nearly every window test uses.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/text_files.h"
#include "shell/report_output.h"
#include "shell/ui/data_window.h"
#include "shell/ui/main_window.h"
#include "shell/ui/messages.h"
#include "state/app_state.h"
#include "support/test_support.h"

namespace halcyra::testing {

// The program's own application object, made on first use. Like the
// program itself, it ends from its main window, not when its last window closes.
void EnsureTestApplication();

// A fresh program folder holding copies of the shipped files (appdata/) with
// the given extensions (".HLP", ...) and a REPORTS folder; with no
// extensions, every data file and no REPORTS folder, as a new install has them.
std::string ScratchProgramFolder(const std::string& name, const std::vector<std::string>& extensions);

// The lines of LASTPAGE.TXT in App()'s program folder; "<missing>" when it cannot be read.
std::vector<std::string> LastPageLines();

// The text of a PDF file as poppler's pdftotext reads it, its first page's
// size as pdfinfo gives it ("612 x 792 pts (letter)"), and the number of
// pictures pdfimages finds in it.
std::string PdfText(const std::string& pdf);
std::string PdfPageSize(const std::string& pdf);
int PdfImageCount(const std::string& pdf);

struct ShownMessage {
  std::string text, title;
  MessageIcon icon;
};

// The message sink for its lifetime, then the sink it replaced again: it
// records every message box instead of showing it. Input boxes are recorded
// too and answer the first of `inputAnswers` while there are any, then
// `inputAnswer`, or their default text while it is unset. Yes/No/Cancel
// questions are recorded and answered `yesNoCancel`.
struct RecordingSink : MessageSink {
  RecordingSink();
  ~RecordingSink() override;
  RecordingSink(const RecordingSink&) = delete;
  RecordingSink& operator=(const RecordingSink&) = delete;
  std::vector<ShownMessage> shown;
  std::vector<std::string> asked;
  std::optional<std::string> inputAnswer;
  std::deque<std::string> inputAnswers;
  std::vector<std::string> questions;
  Answer yesNoCancel = Answer::Cancel;
  bool yesNo = true;
  // The boxes shown so far, each as "title: text".
  std::vector<std::string> Boxes() const {
    std::vector<std::string> boxes;
    for (const ShownMessage& m : shown) boxes.push_back(m.title + ": " + m.text);
    return boxes;
  }
  void Message(const std::string& text, const std::string& title, MessageIcon icon) override {
    shown.push_back({text, title, icon});
  }
  std::string Input(const std::string& prompt, const std::string&,
                    const std::string& defaultText) override {
    asked.push_back(prompt);
    if (!inputAnswers.empty()) {
      const std::string answer = inputAnswers.front();
      inputAnswers.pop_front();
      return answer;
    }
    return inputAnswer.value_or(defaultText);
  }
  Answer YesNoCancel(const std::string& text, const std::string&) override {
    questions.push_back(text);
    return yesNoCancel;
  }
  bool YesNo(const std::string& text, const std::string&) override {
    questions.push_back(text);
    return yesNo;
  }
};

// A watchdog over a wait on the event loop (a modal window's exec(), a
// context menu, start-up's wait for Continue). Should the wait still go on
// `seconds` after the watchdog was made, it fails the test and ends the
// wait: it presses the title window's Continue and closes the popup and
// the modal window that hold the loop, once a second until it goes. So a
// fault fails the test in seconds instead of hanging it until ctest's
// timeout. It runs only while events are handled, which is all a wait does;
// a wait that handles events until some state holds ends once it has fired.
class LoopWatchdog {
 public:
  explicit LoopWatchdog(std::string what, int seconds = 5);
  ~LoopWatchdog();
  LoopWatchdog(const LoopWatchdog&) = delete;
  LoopWatchdog& operator=(const LoopWatchdog&) = delete;
  bool Fired() const;

 private:
  struct Timer;
  std::unique_ptr<Timer> timer_;
};

// A command run from the event dispatch, where one that runs out of memory
// ends: the item chosen with Enter in its menu, the button clicked, the
// button or menu-bar item of an underlined letter pressed with Alt in its
// window (a button clicks on its timer a moment later, which this waits for).
void ChooseMenuItem(QAction& item);
void ClickButton(QAbstractButton& button);
void PressAltLetter(QWidget& window, Qt::Key letter);

// The shipped home place of options 18 to 24: Chicago, zone 6, 87 W 39, 41 N 51.
void UseChicagoAsHomePlace(AppState& state);

// Gives the process back the state a fresh start of the program finds:
// every top-level window deleted (not closed, which would run their exit
// work), a pending application quit forgotten, App() a fresh AppState (and
// with it no services wired), no busy pointer, no glyph font, and a message sink that fails
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
