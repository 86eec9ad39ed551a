#include "shell/ui/startup.h"

#include <QApplication>

#include "shell/ui/main_window.h"
#include "state/app_state.h"
#include "platform/program_files.h"

namespace halcyra {

int RunHalcyra(int argc, char* argv[]) {
  QApplication app(argc, argv);
  App().AppPath = ExecutableFolder();
  MainWindow window;
  window.show();
  return app.exec();
}

}  // namespace halcyra
