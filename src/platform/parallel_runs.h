#pragma once
// Work on a long list shared out over the machine's cores: the list split
// into runs of neighbouring items, each run on a thread of its own
// (std::async), the first on the calling thread.
#include <algorithm>
#include <cstddef>
#include <future>
#include <thread>
#include <vector>

namespace halcyra {

// Threads for `requested` (0: one per core the machine reports).
inline int ThreadsFor(int requested) {
  if (requested > 0) return requested;
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// Calls run(first, end) for runs that tile 0 to count, at most `threads`
// runs (0: one per core) and none shorter than minPerRun unless the list
// is. Returns once every run has ended; an exception of a run then reaches
// the caller.
template <class Run>
void ForEachRun(size_t count, size_t minPerRun, int threads, Run run) {
  const size_t runs = std::clamp<size_t>(count / std::max<size_t>(minPerRun, 1), 1,
                                         static_cast<size_t>(ThreadsFor(threads)));
  std::vector<std::future<void>> others;
  others.reserve(runs - 1);
  for (size_t i = 1; i < runs; ++i)
    others.push_back(std::async(std::launch::async, run, count * i / runs, count * (i + 1) / runs));
  run(size_t{0}, count / runs);
  for (auto& other : others) other.get();
}

}  // namespace halcyra
