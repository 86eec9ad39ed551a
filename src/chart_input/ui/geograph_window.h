#pragma once
// Geograph: the list of the places in the current city file; a pick fills
// the place and zone boxes of the input window named by GeoTarget.
#include <QWidget>
#include <vector>

#include "chart_input/city_file.h"
#include "state/app_state.h"

class QLabel;
class QListWidget;

namespace halcyra {

class PathLabel;

class GeographWindow : public QWidget {
  Q_OBJECT
 public:
  explicit GeographWindow(AppState& state, QWidget* parent = nullptr);

  void LoadList();  // reads the city file afresh
  const std::vector<CityEntry>& Entries() const { return entries_; }
  QListWidget* List() const { return list_; }
  // Says which input window the next pick fills.
  void ShowTarget();

  void UseCity(int row);
  void cmdUse_Click();
  void cmdEdit_Click();
  void cmdOpen_Click();
  void cmdHelp_Click();

 protected:
  // Escape closes the list, which has no Close button of its own.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  AppState& state_;
  QListWidget* list_ = nullptr;
  PathLabel* fileLabel_ = nullptr;
  QLabel* targetLabel_ = nullptr;
  std::vector<CityEntry> entries_;
};

}  // namespace halcyra
