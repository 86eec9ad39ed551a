#pragma once
// File writes that fail on purpose, as on a full disk or in a folder the
// user may not write to, without root mounts: each lasts while its object
// lives and is undone when it goes.
#include <csignal>
#include <string>

namespace halcyra::testing {

// No file of this process grows past `bytes`: a write beyond fails with
// "File too large" (a short write first), as one on a full disk fails,
// instead of ending the process with SIGXFSZ, which it ignores meanwhile
// (as the program's main does).
class ScopedFileSizeLimit {
 public:
  explicit ScopedFileSizeLimit(unsigned long bytes);
  ~ScopedFileSizeLimit();
  ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
  ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

 private:
  unsigned long before_ = 0;
  struct sigaction signalBefore_ {};
};

// No new file can be made in `folder` and no file there renamed or removed:
// its write permissions are taken away, and since these do not bind the
// superuser, the calling thread gives up root's right to override them.
class ScopedReadOnlyFolder {
 public:
  explicit ScopedReadOnlyFolder(std::string folder);
  ~ScopedReadOnlyFolder();
  ScopedReadOnlyFolder(const ScopedReadOnlyFolder&) = delete;
  ScopedReadOnlyFolder& operator=(const ScopedReadOnlyFolder&) = delete;

 private:
  std::string folder_;
  bool overrideDropped_ = false;
};

}  // namespace halcyra::testing
