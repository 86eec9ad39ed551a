#include "support/file_faults.h"

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <stdexcept>

namespace halcyra::testing {

namespace {

namespace fs = std::filesystem;

constexpr auto AllWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

// Switches the calling thread's right to write where permissions forbid it
// (CAP_DAC_OVERRIDE) off or on again; false when it cannot.
bool SetPermissionOverride(bool on) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2]{};
  if (syscall(SYS_capget, &header, data) != 0) return false;
  const unsigned bit = 1u << CAP_DAC_OVERRIDE;
  data[0].effective = on ? data[0].effective | bit : data[0].effective & ~bit;
  return syscall(SYS_capset, &header, data) == 0;
}

}  // namespace

ScopedFileSizeLimit::ScopedFileSizeLimit(unsigned long bytes) {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  before_ = limit.rlim_cur;
  sigaction(SIGXFSZ, nullptr, &signalBefore_);
  std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not the end of the process
  limit.rlim_cur = bytes;
  if (setrlimit(RLIMIT_FSIZE, &limit) != 0) throw std::runtime_error("cannot limit the file size");
}

ScopedFileSizeLimit::~ScopedFileSizeLimit() {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = before_;
  setrlimit(RLIMIT_FSIZE, &limit);
  sigaction(SIGXFSZ, &signalBefore_, nullptr);
}

ScopedReadOnlyFolder::ScopedReadOnlyFolder(std::string folder) : folder_(std::move(folder)) {
  fs::permissions(folder_, AllWrite, fs::perm_options::remove);
  if (::geteuid() == 0) {
    overrideDropped_ = SetPermissionOverride(false);
    if (!overrideDropped_) {
      fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::add);
      throw std::runtime_error("cannot make " + folder_ + " read-only for the superuser");
    }
  }
}

ScopedReadOnlyFolder::~ScopedReadOnlyFolder() {
  if (overrideDropped_) SetPermissionOverride(true);
  fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace halcyra::testing
