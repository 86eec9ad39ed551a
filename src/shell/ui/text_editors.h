#pragma once
// The plain-text editors: the city file (LongLat), the names file
// (NameEdit), the option file (Options) and the orb file in use (OrbsEdit).
// Each shows its whole file in one text box; Save writes it back, Quit closes.
#include <QWidget>
#include <functional>
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

// Quitting the city or names editor shows its list window again, read afresh
// from the file; the data-entry windows install these.
void SetCityListReopener(std::function<void()> reopen);
void SetNamesListReopener(std::function<void()> reopen);

}  // namespace halcyra
