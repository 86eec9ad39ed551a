// Runs shared out over threads tile the list: every item once, none left out,
// whatever the count, the shortest run and the number of threads.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <stdexcept>

#include "platform/parallel_runs.h"
#include "support/allocation_faults.h"

namespace halcyra {
namespace {

TEST(ParallelRuns, EveryItemOnceAndErrorsReachTheCaller) {
  struct Case { size_t count, minPerRun; int threads; bool noThreads = false; };  // the caller runs every run
  const Case cases[] = {{0, 10, 4}, {1, 10, 4}, {9, 10, 4}, {10, 10, 4}, {39, 10, 4}, {40, 10, 4},
                        {1001, 10, 3}, {1001, 1, 0}, {7, 0, 8}, {100000, 20000, 8}, {100000, 20000, 8, true}};
  for (const Case& c : cases) {
    if (c.noThreads && !testing::LibcFaults()) continue;
    const auto visits = std::make_unique<std::atomic<int>[]>(c.count + 1);
    std::atomic<int> runs = 0;
    const testing::FailingAllocations noThreads({.bytes = SIZE_MAX, .threadsRefused = c.noThreads});
    ForEachRun(c.count, c.minPerRun, c.threads, [&](size_t first, size_t end) {
      ++runs;
      for (size_t k = first; k < end; ++k) ++visits[k];
    });
    for (size_t k = 0; k < c.count; ++k) ASSERT_EQ(visits[k], 1) << "item " << k << " of " << c.count;
    EXPECT_LE(runs, ThreadsFor(c.threads)) << c.count;
    if (c.minPerRun > 0 && c.count >= c.minPerRun) {
      EXPECT_LE(runs * c.minPerRun, c.count) << c.count;
    }
  }
  EXPECT_THROW(ForEachRun(100, 10, 4,
                          [](size_t first, size_t) {
                            if (first > 0) throw std::runtime_error("a run on another thread");
                          }),
               std::runtime_error);
}

}  // namespace
}  // namespace halcyra
