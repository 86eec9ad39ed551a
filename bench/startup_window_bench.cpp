// Start-up after Continue, offscreen: from the title window's Continue to
// the main window, the input windows and the names list on view, in a
// program folder of the shipped files alone (extra_files:0) and in one
// that also holds 10,000 files of the user's (extra_files:10000). Goal: the
// full folder within 10 % of the other. Only the time after Continue is
// counted; the tables loaded before it are start-up's other benchmark
// (startup_data_bench.cpp). The counter whole_ms is the whole start-up,
// from the cover window on.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/startup.h"
#include "platform/gui/glyph_font.h"
#include "shell/ui/main_window.h"
#include "shell/ui/messages.h"
#include "state/app_state.h"

namespace {

using namespace halcyra;
namespace fs = std::filesystem;

// No box may wait for a click offscreen: they are counted instead.
struct CountingSink : MessageSink {
  int shown = 0;
  void Message(const std::string&, const std::string&, MessageIcon) override { ++shown; }
};

QApplication& Application() {
  static int argc = 1;
  static char name[] = "startup_window_bench";
  static char* argv[] = {name, nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // never destroyed, as in the window tests
  static auto* app = new QApplication(argc, argv);
  app->setQuitOnLastWindowClosed(false);
  return *app;
}

// A program folder of the shipped files and `extraFiles` empty files.
std::string ProgramFolder(const QTemporaryDir& scratch, long extraFiles) {
  const std::string dir = scratch.path().toStdString();
  for (const auto& entry : fs::directory_iterator(HALCYRA_APPDATA_DIR))
    if (entry.is_regular_file()) fs::copy_file(entry.path(), fs::path(dir) / entry.path().filename());
  for (long i = 0; i < extraFiles; ++i) std::ofstream(dir + "/chart-" + std::to_string(i) + ".txt");
  return dir;
}

void CloseEveryWindow() {
  // deleting one window may take others with it
  std::vector<QPointer<QWidget>> windows;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (!widget->parentWidget()) windows.emplace_back(widget);
  for (const QPointer<QWidget>& widget : windows) delete widget.data();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  RemoveGlyphFont();
}

using Clock = std::chrono::steady_clock;

// Start-up in `folder`; false when it failed. `continued` gets the moment
// Continue was pressed.
bool Start(const std::string& folder, Clock::time_point& continued, Clock::time_point* began = nullptr) {
  App() = AppState{};
  if (began) *began = Clock::now();
  StartupSettings settings;
  settings.appPath = folder;
  settings.titleShown = [&continued](QWidget& title) {
    continued = Clock::now();
    title.findChild<QPushButton*>("cmdOK")->click();
  };
  if (StartHalcyra(settings) != 0) return false;
  QApplication::processEvents();
  return true;
}

void BM_StartAfterContinue(benchmark::State& bench) {
  Application();
  QTemporaryDir scratch;
  const std::string folder = ProgramFolder(scratch, bench.range(0));
  CountingSink sink;
  App().services.messages = &sink;
  Clock::time_point continued;
  // A first run and its exit write Orvane.INI, as every later start finds it.
  if (!Start(folder, continued)) bench.SkipWithError("start-up failed");
  if (QAction* exit = TheMainWindow() ? TheMainWindow()->findChild<QAction*>("mnuFileExit") : nullptr) exit->trigger();
  CloseEveryWindow();
  double whole = 0;
  for (auto _ : bench) {
    App().services.messages = &sink;
    Clock::time_point began;
    if (!Start(folder, continued, &began)) {
      bench.SkipWithError("start-up failed");
      break;
    }
    const Clock::time_point shown = Clock::now();
    bench.SetIterationTime(std::chrono::duration<double>(shown - continued).count());
    whole += std::chrono::duration<double>(shown - began).count();
    CloseEveryWindow();
  }
  App().services.messages = nullptr;
  bench.counters["boxes"] = sink.shown;
  bench.counters["whole_ms"] = whole * 1000 / static_cast<double>(bench.iterations());
}
BENCHMARK(BM_StartAfterContinue)
    ->ArgName("extra_files")
    ->Arg(0)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

}  // namespace
