#include "support/allocation_faults.h"

#include <dlfcn.h>
#include <pthread.h>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define HALCYRA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HALCYRA_ASAN 1
#endif
#endif
#ifdef HALCYRA_ASAN
#include <sanitizer/lsan_interface.h>
#endif

namespace halcyra::testing {

namespace {

// Read by every allocation on every thread; set only while unarmed.
AllocationFaults g_faults;
pthread_t g_setter;
std::atomic<bool> g_armed{false};
std::atomic<int> g_skipLeft{0}, g_refused{0};

bool Fails(size_t size) {
  using On = AllocationFaults::On;
  if (!g_armed.load(std::memory_order_acquire) || size < g_faults.bytes) return false;
  if (g_faults.on != On::AnyThread && (g_faults.on == On::ThisThread) != bool(pthread_equal(pthread_self(), g_setter)))
    return false;
  if (g_skipLeft.fetch_sub(1) > 0 || (g_faults.times >= 0 && g_refused >= g_faults.times)) return false;
  return ++g_refused;
}

[[maybe_unused]] bool RefusesThread() { return g_armed && g_faults.threadsRefused && ++g_refused; }

}  // namespace

FailingAllocations::FailingAllocations(const AllocationFaults& faults) {
  g_faults = faults, g_setter = pthread_self(), g_skipLeft = faults.skip, g_refused = 0;
  g_armed.store(true, std::memory_order_release);
#ifdef HALCYRA_ASAN
  // A command that fails is unwound through Qt's frames, which are built
  // without exceptions and skip their destructors: what they held (a few
  // hundred bytes) is lost by design, and not counted as a leak.
  __lsan_disable();
#endif
}

FailingAllocations::~FailingAllocations() {
  g_armed = false;
#ifdef HALCYRA_ASAN
  __lsan_enable();
#endif
}

int FailingAllocations::Refused() const { return g_refused; }

}  // namespace halcyra::testing

#ifdef HALCYRA_ASAN
bool halcyra::testing::LibcFaults() { return false; }

void* operator new(std::size_t size) {
  void* p = halcyra::testing::Fails(size) ? nullptr : std::malloc(size ? size : 1);
  if (!p) throw std::bad_alloc();
  return p;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
// The nothrow forms too (std::stable_sort's buffer), so that what they give
// is freed by the same allocator that made it.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return halcyra::testing::Fails(size) ? nullptr : std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
#else
bool halcyra::testing::LibcFaults() { return true; }

// glibc's own allocator behind its other names; operator new comes here too.
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* p, size_t size);

void* malloc(size_t size) noexcept { return halcyra::testing::Fails(size) ? nullptr : __libc_malloc(size); }
void* calloc(size_t count, size_t size) noexcept {
  return halcyra::testing::Fails(count * size) ? nullptr : __libc_calloc(count, size);
}
void* realloc(void* p, size_t size) noexcept {
  return halcyra::testing::Fails(size) ? nullptr : __libc_realloc(p, size);
}
// Room in the address space set aside before Qt builds a large text (platform/gui/address_room.h).
void* mmap(void* at, size_t size, int protection, int flags, int file, off_t offset) noexcept {
  if (halcyra::testing::Fails(size)) return errno = ENOMEM, MAP_FAILED;
  return reinterpret_cast<void*>(syscall(SYS_mmap, at, size, protection, flags, file, offset));
}
int pthread_create(pthread_t* thread, const pthread_attr_t* attributes, void* (*start)(void*), void* argument) noexcept {
  using Create = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);
  static const auto create = reinterpret_cast<Create>(dlsym(RTLD_NEXT, "pthread_create"));
  return halcyra::testing::RefusesThread() ? EAGAIN : create(thread, attributes, start, argument);
}
}
#endif
