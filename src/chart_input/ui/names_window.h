#pragma once
// Names: the list of the charts in the current names file. A double-click
// computes that chart; Save adds the natal window's chart to the file.
#include <QWidget>
#include <vector>

#include "chart_input/names_file.h"
#include "state/app_state.h"

class QLabel;
class QListWidget;

namespace halcyra {

class PathLabel;

class NamesWindow : public QWidget {
  Q_OBJECT
 public:
  explicit NamesWindow(AppState& state, QWidget* parent = nullptr);

  // Reads the names file afresh; one message tells of a missing file or of
  // the lines that had to be skipped. A list the memory left cannot hold is
  // empty, and the message says so.
  void LoadList();
  void ClearList();  // frees what the list held
  const std::vector<NameEntry>& Entries() const { return entries_; }
  QListWidget* List() const { return list_; }

  // Fills the natal window from the entry and computes its chart.
  void NamesOnFile_DblClick(int row);
  void cmdSave_Click();
  void cmdEdit_Click();
  void cmdOpen_Click();
  void cmdHelp_Click();

 private:
  // LoadList without its message: what went wrong with the file.
  FileProblems ReadList();

  AppState& state_;
  QListWidget* list_ = nullptr;
  PathLabel* fileLabel_ = nullptr;
  std::vector<NameEntry> entries_;
};

}  // namespace halcyra
