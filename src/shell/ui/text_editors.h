#pragma once
// The plain-text editors: the city file (LongLat), the names file
// (NameEdit), the option file (Options) and the orb file in use (OrbsEdit).
// Each shows its whole file in one text box; Save writes it back (only
// Latin-1 text, as the files hold it; the option and orb editors only what
// the program's own reader takes; over a file written since it was loaded
// only when the user says so), Quit closes (and the city and names editors
// show their list again, read afresh, through the services' ReopenCityList
// and ReopenNamesList).
#include <QWidget>
#include <optional>
#include <string>

#include "shell/settings_files.h"
#include "shell/text_editor_files.h"
#include "state/app_state.h"

namespace halcyra {

class EditorTextBox;

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
  // The program's reader of the edited file, for the files read as value lists.
  std::optional<ValueListReader> ProgramReader() const;
  void SelectLine(long line);  // 1-based
  // Says why Save writes nothing, the text kept and the focus in it.
  void RefuseSave(const std::string& why);
  // Whether Save may write: the file is still the one loaded, or the user
  // says to write over what someone else wrote since.
  bool MayWriteOverFile();

  AppState& state_;
  EditorKind kind_;
  std::string path_;
  EditorFileStamp loaded_;  // the file as the text on view last matched it
  EditorTextBox* content_ = nullptr;
};

// Opens an editor modeless on the file of its kind.
TextEditorWindow* ShowTextEditor(AppState& state, EditorKind kind);

}  // namespace halcyra
