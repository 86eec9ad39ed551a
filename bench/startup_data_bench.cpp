// Start-up data loading from the shipped files: the ten daily
// tables (1.2 million numbers), Lilith's expansion and the small tables.
// Start-up must reach the title window in well under 0.3 s.
#include <benchmark/benchmark.h>

#include "shell/startup_data.h"

namespace {

void BM_LoadStartupData(benchmark::State& state) {
  halcyra::AppState app;
  app.AppPath = HALCYRA_APPDATA_DIR;
  for (auto _ : state) {
    halcyra::LoadStartupData(app, nullptr);
    benchmark::DoNotOptimize(app.tables.Lilith.Long.data());
  }
}
BENCHMARK(BM_LoadStartupData)->Unit(benchmark::kMillisecond);

}  // namespace
