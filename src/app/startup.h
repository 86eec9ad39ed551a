#pragma once
// Start-up, the event loop and exit.
#include <functional>
#include <string>

class QWidget;

namespace halcyra {

struct StartupSettings {
  std::string appPath;  // the program folder; empty for the executable's folder
  // Called once the title window shows its "Continue" button, before the
  // wait for it begins; tests press the button here.
  std::function<void(QWidget& title)> titleShown;
};

// Runs the start-up sequence on App() up to the shown main window and input
// windows. Returns 0, or 1 after a fatal failure that it has already
// reported ("Error!" box and stderr). Needs a QApplication.
int StartHalcyra(const StartupSettings& settings);

// The whole program: start-up, the event loop and exit; the exit status.
int RunHalcyra(int argc, char* argv[]);

}  // namespace halcyra
