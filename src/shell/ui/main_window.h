#pragma once
// The main window "Orvane": a bare menu bar whose menus are built by the
// subsystems that own their commands.
#include <QMainWindow>

class QMenu;

namespace halcyra {

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);

  QMenu* fileMenu = nullptr;
  QMenu* dataMenu = nullptr;
  QMenu* wheelsMenu = nullptr;
  QMenu* inputMenu = nullptr;
  QMenu* ridurIzivaMenu = nullptr;
  QMenu* voruvEdudMenu = nullptr;
  QMenu* helpMenu = nullptr;
};

// Menu builders, one per owner.
void BuildFileMenu(MainWindow& window);
void BuildDataMenu(MainWindow& window);
void BuildInputMenu(MainWindow& window);
void BuildHelpMenu(MainWindow& window);

}  // namespace halcyra
