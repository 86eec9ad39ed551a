// The settings of the sanitized test programs, built into them so that they
// hold however a program is started (ctest, a debugger, by hand); the
// environment's ASAN_OPTIONS and UBSAN_OPTIONS still add to them.
extern "C" {

// Leaks are reported too; a global constructor may not read another
// translation unit's global before it is made. The runtime of clang 14 takes
// a dynamic TLS block (a loaded plugin's thread-locals) whose address lies 16
// bytes past a page boundary for one of an old glibc with a header before
// it, reads a range from there and crashes scanning it at exit ("Tracer
// caught signal 11"): at random, as malloc places the block, about one run
// in three of the window tests under load. Left untracked, those blocks are
// heap blocks that their thread's static TLS points to, scanned all the same.
__attribute__((used, visibility("default"))) const char* __asan_default_options() {
  return "detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:"
         "intercept_tls_get_addr=0";
}

__attribute__((used, visibility("default"))) const char* __ubsan_default_options() {
  return "print_stacktrace=1:halt_on_error=1";
}

// Fontconfig keeps its configuration, and libdbus (Qt's bus to the desktop
// under X) its connection buffers, until the process ends, and Qt frees
// neither; nothing of ours is in those blocks. A command run out of memory
// on purpose is unwound through Qt's frames, built without exceptions: the
// QPointer guards there are never released, and the count they share with
// their object outlives it.
__attribute__((used, visibility("default"))) const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n"
         "leak:libdbus-1.so\n"
         "leak:QtSharedPointer::ExternalRefCountData::getAndRef\n";
}

}  // extern "C"
