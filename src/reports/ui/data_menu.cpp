#include <QMenu>
#include <QMenuBar>

#include "shell/ui/main_window.h"

namespace halcyra {

void BuildDataMenu(MainWindow& window) {
  window.dataMenu = window.menuBar()->addMenu("&Data");
  window.dataMenu->setObjectName("mnuData");
  window.dataMenu->menuAction()->setVisible(false);
}

}  // namespace halcyra
