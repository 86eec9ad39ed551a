#include <QMenu>
#include <QMenuBar>

#include "shell/ui/main_window.h"

namespace halcyra {

void BuildFileMenu(MainWindow& window) {
  window.fileMenu = window.menuBar()->addMenu("&File");
  window.fileMenu->setObjectName("mnuFile");
  window.fileMenu->menuAction()->setObjectName("mnuFile");
  QAction* exitItem = window.fileMenu->addAction("E&xit");
  exitItem->setObjectName("mnuFileExit");
  exitItem->setShortcut(QKeySequence(Qt::Key_F12));
  // Closing the window and File > Exit take the same road.
  QObject::connect(exitItem, &QAction::triggered, &window, &QWidget::close);
}

}  // namespace halcyra
