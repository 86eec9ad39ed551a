// The menus that wait for the first chart: RidurIziva and Wheels stand here
// empty and hidden until their commands arrive.
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

void BuildWheelsMenu(MainWindow& window) {
  window.wheelsMenu = window.menuBar()->addMenu("&Wheels");
  window.wheelsMenu->setObjectName("mnuWheels");
  window.wheelsMenu->menuAction()->setObjectName("mnuWheels");
  window.wheelsMenu->menuAction()->setVisible(false);
}

}  // namespace halcyra
