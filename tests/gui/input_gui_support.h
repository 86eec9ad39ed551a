#pragma once
// Support for the data-entry window tests: one application object, a
// recording message sink, a scratch program folder with the place and names
// files, and a fixed clock and home place.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>
#include <string>
#include <vector>

#include "chart_input/input_presets.h"
#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "platform/gui/messages.h"
#include "state/app_state.h"
#include "support/test_support.h"

namespace halcyra::testing {

inline void EnsureInputApp() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "test_gui";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

struct InputShownMessage {
  std::string text, title;
};

// Records message boxes; input boxes answer with `inputAnswer`.
struct InputRecordingSink : MessageSink {
  std::vector<InputShownMessage> shown;
  std::vector<std::string> asked;
  std::string inputAnswer;
  InputRecordingSink() { SetMessageSink(this); }
  ~InputRecordingSink() override { SetMessageSink(nullptr); }
  void Message(const std::string& text, const std::string& title, MessageIcon) override {
    shown.push_back({text, title});
  }
  std::string Input(const std::string& prompt, const std::string&, const std::string&) override {
    asked.push_back(prompt);
    return inputAnswer;
  }
};

// Every test starts with no data-entry window loaded, a fresh state whose
// program folder holds NAMES.FIL, GA_MA.LL and TZ.DAT, the home place of
// Chicago (zone 6, 87 W 39, 41 N 51) and the clock at 9 March 2024 19:05.
class InputWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureInputApp();
    UnloadDataEntryWindows();
    Settle();
    App() = AppState{};
    App().AppPath = ScratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    for (const char* file : {"NAMES.FIL", "GA_MA.LL", "TZ.DAT"})
      std::filesystem::copy_file(SourceAppData() + "/" + file, App().AppPath + "/" + file);
    auto& v = App().options.OptionValues;
    v[18] = 6, v[19] = 87, v[20] = 39, v[21] = 0, v[22] = 41, v[23] = 51, v[24] = 0;
    SetClock(2024, 3, 9, 19, 5);
  }
  void TearDown() override {
    SetCalculateChart(nullptr);
    SetClockOverride(nullptr);
    SetAtlasRunner(nullptr);
    SetDataFileChooser(nullptr);
    UnloadDataEntryWindows();
    Settle();
  }

  static void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  static void SetClock(int year, int month, int day, int hour, int minute) {
    SetClockOverride([=] { return ClockMoment{year, month, day, hour, minute, 0}; });
  }

  static std::string Text(QWidget& window, const char* box) {
    return window.findChild<QLineEdit*>(box)->text().toStdString();
  }
  static void Type(QWidget& window, const char* box, const char* text) {
    window.findChild<QLineEdit*>(box)->setText(text);
  }
  static bool Chosen(QWidget& window, const char* option) {
    return window.findChild<QRadioButton*>(option)->isChecked();
  }
  static void Choose(QWidget& window, const char* option) {
    window.findChild<QRadioButton*>(option)->setChecked(true);
  }

  InputRecordingSink messages;
};

}  // namespace halcyra::testing
