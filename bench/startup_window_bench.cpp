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
#include "offscreen_windows.h"
#include "platform/gui/glyph_font.h"
#include "shell/ui/main_window.h"
#include "state/app_state.h"

namespace {

using namespace halcyra;
namespace fs = std::filesystem;

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

void BM_StartAfterContinue(benchmark::State& run) {
  bench::OffscreenApplication();
  QTemporaryDir scratch;
  const std::string folder = ProgramFolder(scratch, run.range(0));
  bench::CountingSink sink;
  App().services.messages = &sink;
  Clock::time_point continued;
  // A first run and its exit write Orvane.INI, as every later start finds it.
  if (!Start(folder, continued)) run.SkipWithError("start-up failed");
  if (QAction* exit = TheMainWindow() ? TheMainWindow()->findChild<QAction*>("mnuFileExit") : nullptr) exit->trigger();
  CloseEveryWindow();
  double whole = 0;
  for (auto _ : run) {
    App().services.messages = &sink;
    Clock::time_point began;
    if (!Start(folder, continued, &began)) {
      run.SkipWithError("start-up failed");
      break;
    }
    const Clock::time_point shown = Clock::now();
    run.SetIterationTime(std::chrono::duration<double>(shown - continued).count());
    whole += std::chrono::duration<double>(shown - began).count();
    CloseEveryWindow();
  }
  App().services.messages = nullptr;
  run.counters["boxes"] = sink.shown;
  run.counters["whole_ms"] = whole * 1000 / static_cast<double>(run.iterations());
}
BENCHMARK(BM_StartAfterContinue)
    ->ArgName("extra_files")
    ->Arg(0)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

}  // namespace
