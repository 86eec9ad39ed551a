#pragma once
// Support for the data-entry window tests: a scratch program folder with the
// place and names files, a fixed clock and home place, and the boxes of an
// input window on one line.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>
#include <string>

#include "chart_input/input_presets.h"
#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "gui_test_support.h"
#include "state/app_state.h"
#include "support/test_support.h"

namespace halcyra::testing {

// Every test starts from the shared reset (no window open, a fresh state),
// with a program folder holding NAMES.FIL, GA_MA.LL and TZ.DAT, the home
// place of Chicago (zone 6, 87 W 39, 41 N 51) and the clock at 9 March 2024
// 19:05. Input boxes answer "" (the user typed nothing) unless a test sets
// the answer.
class InputWindowTest : public GuiTest {
 protected:
  void SetUp() override {
    App().AppPath = ScratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    for (const char* file : {"NAMES.FIL", "GA_MA.LL", "TZ.DAT"})
      std::filesystem::copy_file(SourceAppData() + "/" + file, App().AppPath + "/" + file);
    auto& v = App().options.OptionValues;
    v[18] = 6, v[19] = 87, v[20] = 39, v[21] = 0, v[22] = 41, v[23] = 51, v[24] = 0;
    SetClock(2024, 3, 9, 19, 5);
    messages.inputAnswer = "";
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
  static void Choose(QWidget& window, const char* option) {
    window.findChild<QRadioButton*>(option)->setChecked(true);
  }
  // "month/day/year hour:minute AM|PM, zone, long W|E min, lat N|S min".
  static std::string Shown(const ChartInputWindow& window) {
    const InputBoxTexts b = window.BoxTexts();
    return b.Month + "/" + b.Day + "/" + b.Year + " " + b.Hour + ":" + b.Minute + (b.PM ? " PM, " : " AM, ") +
           b.TZ + ", " + b.LongDeg + (b.East ? " E " : " W ") + b.LongMin + ", " + b.LatDeg +
           (b.South ? " S " : " N ") + b.LatMin;
  }

  RecordingSink messages;
};

}  // namespace halcyra::testing
