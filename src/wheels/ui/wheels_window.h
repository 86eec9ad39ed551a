#pragma once
// The chart-wheel window "Wheels": the wheel of the display sets drawn into
// a back buffer on every paint. Its menu bar carries the wheel's commands;
// see WheelMenuItems for how a command joins.
#include <QMainWindow>
#include <QImage>
#include <map>
#include <string>

#include "state/app_state.h"
#include "wheels/time_steps.h"
#include "wheels/wheel_paint.h"

namespace halcyra {

class WheelsWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit WheelsWindow(AppState& state, QWidget* parent = nullptr);

  // The paint: ticks the house system, fills the display sets, reads the
  // orbs and draws the wheel into the back buffer.
  void Form_Paint();
  // The paint run at once and shown: what a command that changes the
  // picture calls.
  void Repaint();
  // The wheel drawn afresh into an image of the given size (the window's
  // options; white rings while WhiteRingFill is 1).
  QImage RenderImage(const QSize& size);
  // The picture on view: the back buffer of the last paint.
  const QImage& Picture() const { return buffer_; }

  // The menu items by control name ("mnuMode0", "mnuReturns", ...).
  QAction* Item(const std::string& name) const;

  // The window's commands (the ASCII text wheel is the text wheel's own).
  void mnuWheelsTurn_Click();
  void mnuUpdate_Click(TimeStep step);
  void mnuDataPlanetaryHours_Click();
  void mnuKeywords_Click();
  void mnuHouse_Click(const std::string& code);
  void mnuOptions_Click();
  void mnuSavePicture_Click();
  void mnuMode_Click(int mode);
  void mnuOrbsChange_Click();
  void mnuOrbsEdit_Click();
  void mnuCTAmerican_Click();
  void mnuCTEuropean_Click();
  void mnuReturnsNext_Click();
  void mnuReturnsPrevious_Click();
  void mnuPrintChartwheel_Click();
  void mnuHelp_Click();

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
  void StepReturn(bool next);
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
