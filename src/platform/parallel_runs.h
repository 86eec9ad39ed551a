#pragma once
// Work on a long list shared out over the machine's cores: the list split
// into runs of neighbouring items, each run on a thread of its own
// (std::async), the first on the calling thread.
#include <algorithm>
#include <cstddef>
#include <future>
#include <system_error>
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
// the caller. Runs whose thread cannot be had (the system has no more to
// give) run on the calling thread too, so a list is never left half done.
template <class Run>
void ForEachRun(size_t count, size_t minPerRun, int threads, Run run) {
  const size_t runs = std::clamp<size_t>(count / std::max<size_t>(minPerRun, 1), 1,
                                         static_cast<size_t>(ThreadsFor(threads)));
  std::vector<std::future<void>> others;
  others.reserve(runs - 1);
  size_t started = 1;
  for (; started < runs; ++started) {
    try {
      others.push_back(std::async(std::launch::async, run, count * started / runs, count * (started + 1) / runs));
    } catch (const std::system_error& error) {
      if (error.code() != std::errc::resource_unavailable_try_again) throw;
      break;
    }
  }
  run(size_t{0}, count / runs);
  for (size_t i = started; i < runs; ++i) run(count * i / runs, count * (i + 1) / runs);
  for (auto& other : others) other.get();
}

}  // namespace halcyra
