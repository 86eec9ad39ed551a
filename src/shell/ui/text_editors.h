#pragma once
// The plain-text editors: the city file (LongLat), the names file
// (NameEdit), the option file (Options) and the orb file in use (OrbsEdit).
// Each shows its whole file in one text box; Save writes it back, Quit closes
// (and the city and names editors show their list again, read afresh,
// through the services' ReopenCityList and ReopenNamesList).
#include <QWidget>
#include <string>

#include "state/app_state.h"

class QPlainTextEdit;

namespace halcyra {

enum class EditorKind { LongLat, NameEdit, Options, OrbsEdit };

class TextEditorWindow : public QWidget {
  Q_OBJECT
 public:
  TextEditorWindow(AppState& state, EditorKind kind, QWidget* parent = nullptr);

  const std::string& FilePath() const { return path_; }

  void btnSave_Click();
  void btnQuit_Click();
  void cmdRestoreDefault_Click();  // Options only

 private:
  void LoadFile();

  AppState& state_;
  EditorKind kind_;
  std::string path_;
  QPlainTextEdit* content_ = nullptr;
};

// Opens an editor modeless on the file of its kind.
TextEditorWindow* ShowTextEditor(AppState& state, EditorKind kind);

}  // namespace halcyra
