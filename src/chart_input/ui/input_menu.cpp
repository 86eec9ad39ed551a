#include <QMenu>
#include <QMenuBar>

#include "shell/ui/main_window.h"

namespace halcyra {

void BuildInputMenu(MainWindow& window) {
  window.inputMenu = window.menuBar()->addMenu("&Input");
  window.inputMenu->setObjectName("mnuInput");
  window.inputMenu->menuAction()->setVisible(false);
}

}  // namespace halcyra
