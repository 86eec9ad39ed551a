// The menu that waits for the first chart: RidurIziva stands here empty and
// hidden until its commands arrive.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "shell/ui/main_window.h"

namespace halcyra {

void BuildRidurIzivaMenu(MainWindow& window) {
  window.ridurIzivaMenu = window.menuBar()->addMenu("&RidurIziva");
  window.ridurIzivaMenu->setObjectName("mnuRidurIziva");
  window.ridurIzivaMenu->menuAction()->setObjectName("mnuRidurIziva");
  window.ridurIzivaMenu->menuAction()->setVisible(false);
}

}  // namespace halcyra
