// A year of transits by the minute (the listing's own page, about 955,000
// lines) in the Data window, offscreen:
//   BM_ShowYearListingPage   ShowReport of the page until the Data window
//                            has painted it (the last-page file included);
//   BM_PrintPreviewFirstPage Data > Print page until the print window has
//                            painted its first screen (the print file
//                            written and read back included);
//   BM_PrintYearListingToPdf the print window's Print of the whole page
//                            into a PDF file, for the record.
// Counters: the page's text in MB (its lines with CR LF) and the growth of
// the process's peak resident memory over the resident memory before the
// step, in MB and as a share of the text, the largest over the iterations.
//
// The page is built once, as the List command builds it, in the natal chart
// and period of minute_listing_bench.cpp. The files go to a scratch folder.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdlib>
#include <fstream>
#include <string>

#include "listing_bench_natal.h"
#include "offscreen_windows.h"
#include "reports/minute_listing.h"
#include "shell/report_output.h"
#include "shell/ui/data_window.h"

namespace {

using namespace halcyra;

long StatusKilobytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == field) {
      status >> value;
      return value;
    }
    status.ignore(1 << 12, '\n');
  }
  return 0;
}

// Resident memory now, after setting the peak back to it (Linux 4.0 and later).
long ResetPeakKilobytes() {
  std::ofstream("/proc/self/clear_refs") << "5";
  return StatusKilobytes("VmRSS:");
}

// The year's page of the listing, in App(), the Data window its display.
AppState& YearPage() {
  static AppState& state = [] () -> AppState& {
    bench::OffscreenApplication();
    AppState& s = App();
    static bench::CountingSink sink;
    s.services.messages = &sink;
    bench::LoadListingNatal(s);
    s.flags.DataFontName = "COURIER NEW";
    s.options.OptionValues[30] = 60, s.options.OptionValues[117] = 80, s.options.OptionValues[118] = 96;
    InstallDataWindowDisplay(s);
    const MinuteListingPeriod year{{2024, 6, 1}, 365, {4, Place::FromDegreesMinutes({74, 0}, false, {40, 43}, false)}};
    const auto found = FindMinuteAspects(s, year, s.ini.TransitSelection, {}, 0).value();
    // the files the page is written to, removed at exit
    static QTemporaryDir scratch;
    QDir().mkpath(scratch.filePath("REPORTS"));
    s.AppPath = scratch.path().toStdString();
    StartNewPage(s);
    ClearDataBuffer(s);
    MinuteListingPage(s, year, found, 0);
    return s;
  }();
  return state;
}

double PageTextMegabytes(const AppState& state) {
  double bytes = 0;
  for (long i = 0; i < state.report.PageLineCount; ++i) bytes += static_cast<double>(state.report.PageLines[i].size() + 2);
  return bytes / 1e6;
}

void Report(benchmark::State& bench, const AppState& state, long peakGrowthKb) {
  const double text = PageTextMegabytes(state);
  bench.counters["lines"] = static_cast<double>(state.report.PageLineCount);
  bench.counters["text_MB"] = text;
  bench.counters["peak_growth_MB"] = static_cast<double>(peakGrowthKb) * 1024 / 1e6;
  bench.counters["peak_over_text"] = static_cast<double>(peakGrowthKb) * 1024 / 1e6 / text;
}

void BM_ShowYearListingPage(benchmark::State& bench) {
  AppState& state = YearPage();
  long peakGrowth = 0;
  for (auto _ : bench) {
    bench.PauseTiming();
    const long before = ResetPeakKilobytes();
    bench.ResumeTiming();
    ShowReport(state);
    DataWindow* window = CurrentDataWindow();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window->grab());
    bench.PauseTiming();
    peakGrowth = std::max(peakGrowth, StatusKilobytes("VmHWM:") - before);
    bench.ResumeTiming();
  }
  Report(bench, state, peakGrowth);
}
BENCHMARK(BM_ShowYearListingPage)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_PrintPreviewFirstPage(benchmark::State& bench) {
  AppState& state = YearPage();
  if (!CurrentDataWindow()) ShowReport(state);
  QAction* print = CurrentDataWindow()->findChild<QAction*>("mnuPrint");
  long peakGrowth = 0;
  for (auto _ : bench) {
    bench.PauseTiming();
    const long before = ResetPeakKilobytes();
    bench.ResumeTiming();
    print->trigger();
    QWidget* preview = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "PrntFile" && w->isVisible()) preview = w;
    QApplication::processEvents();
    benchmark::DoNotOptimize(preview->grab());
    bench.PauseTiming();
    peakGrowth = std::max(peakGrowth, StatusKilobytes("VmHWM:") - before);
    delete preview;
    bench.ResumeTiming();
  }
  Report(bench, state, peakGrowth);
}
BENCHMARK(BM_PrintPreviewFirstPage)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Print in the print window until the PDF file is written: every page of
// the listing, for the record (no goal is set for it).
void BM_PrintYearListingToPdf(benchmark::State& bench) {
  AppState& state = YearPage();
  if (!CurrentDataWindow()) ShowReport(state);
  QAction* print = CurrentDataWindow()->findChild<QAction*>("mnuPrint");
  const std::string pdf = state.AppPath + "/year.pdf";
  state.services.PrintToPdfFile = pdf;
  for (auto _ : bench) {
    bench.PauseTiming();
    print->trigger();
    QWidget* preview = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "PrntFile" && w->isVisible()) preview = w;
    bench.ResumeTiming();
    preview->findChild<QPushButton*>("btnPrint")->click();
  }
  state.services.PrintToPdfFile.clear();
  bench.counters["pdf_MB"] = static_cast<double>(QFileInfo(QString::fromStdString(pdf)).size()) / 1e6;
}
BENCHMARK(BM_PrintYearListingToPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
