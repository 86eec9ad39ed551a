#include <csignal>

#include "app/startup.h"

int main(int argc, char* argv[]) {
  // First of all: a write past the user's file-size limit would end the
  // program at once, before its first window when Qt writes to a standard
  // error kept in a file, and later with the session's settings lost.
  // Ignored, it fails as on a full disk, and each save reports it.
  std::signal(SIGXFSZ, SIG_IGN);
  return halcyra::RunHalcyra(argc, argv);
}
