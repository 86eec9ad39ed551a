#pragma once
// The chart-wheel window "Wheels": the wheel of the display sets drawn into
// a back buffer on every paint, so the window keeps its last picture while
// a paint is skipped (the Data window's More menu showing). Its menu bar
// carries the wheel's commands; see WheelMenuItems for how a command joins.
#include <QMainWindow>
#include <QImage>
#include <map>
#include <string>

#include "state/app_state.h"
#include "wheels/wheel_paint.h"

class QPrinter;

namespace halcyra {

class WheelsWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit WheelsWindow(AppState& state, QWidget* parent = nullptr);

  // The paint: unless the More menu shows, ticks the house system, fills
  // the display sets, reads the orbs and draws the wheel into the back
  // buffer. Returns false when it was skipped.
  bool Form_Paint();
  // The paint run at once and shown: what a command that changes the
  // picture calls.
  void Repaint();
  // Draws the whole wheel at full page on the printer's current page, with
  // the printer's options, radius factor and the PERSONAL.NAM footer.
  void PrintWheel(QPrinter& printer);
  // The wheel drawn afresh into an image of the given size (the window's
  // options; white rings while WhiteRingFill is 1).
  QImage RenderImage(const QSize& size);
  // The picture on view: the back buffer of the last paint.
  const QImage& Picture() const { return buffer_; }

  // The menu items by control name ("mnuMode0", "mnuReturns", ...).
  QAction* Item(const std::string& name) const;

  // The commands of the window built so far.
  void mnuMode_Click(int mode);
  void mnuCTAmerican_Click();
  void mnuCTEuropean_Click();
  void mnuHelp_Click();
  void mnuKeywords_Click();
  void mnuDataPlanetaryHours_Click();

  AppState& State() { return state_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  friend class WheelCanvas;
  void BuildMenus();
  void Form_Load();
  void TickHouseSystem();
  void TickChartType();
  void SetChartType(int european);
  void PaintCanvas(QPainter& painter);

  AppState& state_;
  QWidget* canvas_ = nullptr;
  QImage buffer_;
  std::map<std::string, QAction*> items_;
};

// The window while it is loaded.
WheelsWindow* TheWheelsWindow();
// ShowChartWheel: with the hourglass, unloads the window and shows it afresh.
WheelsWindow* ShowChartWheel(AppState& state);
void UnloadWheels();
// Repaints the loaded window (a command that changed what it shows).
void RepaintWheels();

}  // namespace halcyra
