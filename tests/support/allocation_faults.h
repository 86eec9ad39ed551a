#pragma once
// Memory that runs out on purpose: while a FailingAllocations lives, the
// allocations of at least `bytes` fail after `skip` of them, so that a row
// reaches the step under test, and `times` of them where that step's
// failure frees what it held. They fail wherever they are made, operator
// new, malloc (Qt's buffers) and mmap (room set aside) alike; a thread can
// be refused too. The sanitized build owns malloc, mmap and the threads:
// there only operator new fails, and rows that need more are skipped
// (LibcFaults()).
#include <cstddef>

namespace halcyra::testing {

struct AllocationFaults {
  enum class On { AnyThread, ThisThread, OtherThreads };  // this: the one that sets the faults
  size_t bytes = size_t{1} << 20;
  int skip = 0;
  int times = -1;  // -1: every one
  On on = On::AnyThread;
  bool threadsRefused = false;  // std::thread and std::async find no thread
};

class FailingAllocations {
 public:
  explicit FailingAllocations(const AllocationFaults& faults);
  ~FailingAllocations();
  int Refused() const;  // allocations and threads refused so far
};

bool LibcFaults();

}  // namespace halcyra::testing
