#include "shell/ui/main_window.h"

#include <QMenuBar>

namespace halcyra {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Orvane");
  BuildFileMenu(*this);
  BuildDataMenu(*this);
  BuildInputMenu(*this);
  BuildHelpMenu(*this);
}

}  // namespace halcyra
