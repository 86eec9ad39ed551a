#pragma once
// TimeZone: the standard offsets of TZ.DAT; a pick fills the zone box of the
// input window named by TZTarget.
#include <QWidget>
#include <vector>

#include "chart_input/time_zones.h"
#include "state/app_state.h"

class QLabel;
class QListWidget;

namespace halcyra {

class TimeZoneWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TimeZoneWindow(AppState& state, QWidget* parent = nullptr);

  const std::vector<ZoneEntry>& Entries() const { return entries_; }
  QListWidget* List() const { return list_; }
  void ShowTarget();

  void UseZone(int row);
  void cmdUse_Click();

 protected:
  // Escape closes the list, which has no Close button of its own.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  AppState& state_;
  QListWidget* list_ = nullptr;
  QLabel* targetLabel_ = nullptr;
  std::vector<ZoneEntry> entries_;
};

}  // namespace halcyra
