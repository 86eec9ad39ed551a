#include <QMenu>
#include <QMenuBar>

#include "shell/ui/main_window.h"

namespace halcyra {

void BuildHelpMenu(MainWindow& window) {
  window.helpMenu = window.menuBar()->addMenu("&Help");
  window.helpMenu->setObjectName("mnuHelp");
}

}  // namespace halcyra
