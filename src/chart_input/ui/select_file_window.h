#pragma once
// SelectFIle: the modal file chooser. Drive, folder and file lists, starting
// in the program folder; the file list shows the names that match a pattern.
// Select sets SelectedFile to the chosen file's full path, Cancel to "".
#include <QDialog>
#include <string>

#include "state/app_state.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace halcyra {

class SelectFileWindow : public QDialog {
  Q_OBJECT
 public:
  explicit SelectFileWindow(AppState& state, QWidget* parent = nullptr);

  void SetPattern(const std::string& pattern);  // "*.FIL"; letter case does not matter
  void SetFolder(const std::string& folder);
  std::string Folder() const;
  QListWidget* FileList() const { return filList_; }

  void cmdSelect_Click();
  void cmdCancel_Click();
  // Closing the window counts as Cancel.
  void reject() override;

 private:
  void Refresh();
  void OpenFolderRow(int row);

  AppState& state_;
  QString folder_;
  QComboBox* drvList_ = nullptr;
  QListWidget* dirList_ = nullptr;
  QListWidget* filList_ = nullptr;
  QLineEdit* txtPattern_ = nullptr;
  QLabel* lblFolder_ = nullptr;
};

}  // namespace halcyra
