#pragma once
// The VoruvEdud window "AstrLine": the natal chart on a zodiac strip. Its
// width and place are kept in the INI settings; its height is always the
// one the rows of points need, set before the strip is painted.
#include <QWidget>
#include <string>

#include "state/app_state.h"
#include "wheels/strip_layout.h"

namespace halcyra {

class VoruvEdudWindow : public QWidget {
  Q_OBJECT
 public:
  explicit VoruvEdudWindow(AppState& state, QWidget* parent = nullptr);

  // The strip as the chart and the options stand now, at the window's width.
  StripLayout CurrentLayout() const;
  std::string HeaderText() const;
  // Keeps the window's width and where its frame stands in the INI settings.
  void RecordGeometry();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  StripMetrics Measure() const;
  int NeededHeight(const StripLayout& layout) const;  // pixels of the drawing area
  // Gives the window the height the strip needs; no resize is recorded.
  void FitHeight();

  AppState& state_;
  bool sizingInProgress_ = false;
  bool fitPending_ = false;
};

// The main window's VoruvEdud command: closes the strip if it is open and
// opens it afresh at the place and width the INI settings give.
VoruvEdudWindow* ShowVoruvEdud(AppState& state);
VoruvEdudWindow* TheVoruvEdudWindow();  // while open

}  // namespace halcyra
