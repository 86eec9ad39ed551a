#include "shell/ui/fatal_error.h"

#include <cstdio>
#include <cstdlib>

#include "platform/gui/busy_pointer.h"
#include "shell/ui/messages.h"

namespace halcyra {

void ReportFatalError(const std::string& text) {
  std::fprintf(stderr, "Error! %s\n", text.c_str());
  std::fflush(stderr);
  // The hourglass would otherwise hide that the box waits for the user.
  SetBusyPointer(false);
  ShowMessage(text, "Error!", MessageIcon::Critical);
}

void FatalExit(const std::string& text) {
  ReportFatalError(text);
  std::exit(1);
}

}  // namespace halcyra
