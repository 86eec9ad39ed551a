#include <QMenu>
#include <QMenuBar>

#include "shell/ui/main_window.h"

namespace halcyra {

void BuildFileMenu(MainWindow& window) {
  window.fileMenu = window.menuBar()->addMenu("&File");
  window.fileMenu->setObjectName("mnuFile");
  QAction* exitItem = window.fileMenu->addAction("E&xit");
  exitItem->setObjectName("mnuFileExit");
  QObject::connect(exitItem, &QAction::triggered, &window, &QWidget::close);
}

}  // namespace halcyra
