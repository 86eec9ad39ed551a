// The settings of the sanitized test programs, built into them so that they
// hold however a program is started (ctest, a debugger, by hand); the
// environment's ASAN_OPTIONS and UBSAN_OPTIONS still add to them.
extern "C" {

// Leaks are reported too; a global constructor may not read another
// translation unit's global before it is made.
__attribute__((used, visibility("default"))) const char* __asan_default_options() {
  return "detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1";
}

__attribute__((used, visibility("default"))) const char* __ubsan_default_options() {
  return "print_stacktrace=1:halt_on_error=1";
}

// Fontconfig keeps its configuration, and libdbus (Qt's bus to the desktop
// under X) its connection buffers, until the process ends, and Qt frees
// neither; nothing of ours is in those blocks.
__attribute__((used, visibility("default"))) const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n"
         "leak:libdbus-1.so\n";
}

}  // extern "C"
