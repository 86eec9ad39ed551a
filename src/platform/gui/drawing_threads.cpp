#include "platform/gui/drawing_threads.h"

#include <QSemaphore>
#include <QThreadPool>
#include <algorithm>
#include <memory>

namespace halcyra {

void KeepDrawingThreads() {
  QThreadPool& pool = *QThreadPool::globalInstance();
  pool.setExpiryTimeout(-1);
  // Four share the program's drawing well enough, and each holds address
  // space for its stack and a heap of its own (some 70 MB).
  pool.setMaxThreadCount(std::min(pool.maxThreadCount(), 4));
  // Each task holds its thread until all are started, so that none is
  // handed a thread another task has left: every start makes a thread.
  const auto go = std::make_shared<QSemaphore>();
  for (int i = 0; i < pool.maxThreadCount(); ++i) pool.start([go] { go->acquire(); });
  go->release(pool.maxThreadCount());
}

}  // namespace halcyra
