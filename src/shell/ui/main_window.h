#pragma once
// The main window "Orvane": a bare menu bar whose menus are built by the
// subsystems that own their commands (app/main_menus.h puts them together).
#include <QMainWindow>

class QAction;
class QMenu;
class QTimer;

namespace halcyra {

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  QMenu* fileMenu = nullptr;
  QMenu* inputMenu = nullptr;
  QMenu* ridurIzivaMenu = nullptr;
  QMenu* dataMenu = nullptr;
  QMenu* wheelsMenu = nullptr;
  QMenu* helpMenu = nullptr;
  QTimer* timer1 = nullptr;          // "Timer1", the once-a-second clock; off until a chart exists

  // Moves and sizes the window from the INI settings (twips); the height
  // always snaps to the bare menu bar.
  void ApplyIniGeometry();
  // Writes the window's current position and size back into the INI settings.
  void RecordIniGeometry();
  // The height of the bare menu bar; run again once the menus are built.
  void SnapHeight();

  // The timer's tick: the caption becomes the report heading, the date
  // "dd mmm yyyy", five blanks and the time as the system writes it with
  // seconds.
  void Timer1_Timer();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  bool exitDone_ = false;
};

// The program's main window while it exists (nullptr before start-up and after exit).
MainWindow* TheMainWindow();

// Makes the Data, Wheels, Input and RidurIziva menus visible once a chart exists.
void ShowChartMenus(MainWindow& window);
void ShowChartMenus();

// The main window's height in twips: a bare menu bar.
inline constexpr int MainWindowHeightTwips = 675;

// The menu builders of the shell; the Input, RidurIziva, Data and Wheels
// menus are built by their own subsystems. The Help menu builder also places the
// VoruvEdud command between Data and Wheels.
void BuildFileMenu(MainWindow& window);
void BuildHelpMenu(MainWindow& window);

// File > Exit, also run when the main window closes: removes the glyph
// font, writes the INI file, puts the window's font back and ends the
// program. An INI file that cannot be written is reported, and the program
// still ends.
void RunExitSequence(MainWindow& window);

}  // namespace halcyra
