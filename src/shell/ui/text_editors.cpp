#include "shell/ui/text_editors.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include "platform/gui/busy_pointer.h"
#include "platform/program_files.h"
#include "shell/text_editor_files.h"
#include "shell/ui/editor_text_box.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/messages.h"
#include "shell/ui/window_placement.h"

namespace halcyra {

namespace {

const char* ObjectNameOf(EditorKind kind) {
  switch (kind) {
    case EditorKind::LongLat: return "LongLat";
    case EditorKind::NameEdit: return "NameEdit";
    case EditorKind::Options: return "Options";
    case EditorKind::OrbsEdit: return "OrbsEdit";
  }
  return "";
}

std::string EditedFile(const AppState& state, EditorKind kind) {
  switch (kind) {
    case EditorKind::LongLat: return state.ini.CityFileName;
    case EditorKind::NameEdit: return state.ini.NamesFileName;
    case EditorKind::Options: return ProgramFile(state.AppPath, "OPTIONS.OPT");
    case EditorKind::OrbsEdit: return state.options.OrbFileName;
  }
  return "";
}

}  // namespace

TextEditorWindow* ShowTextEditor(AppState& state, EditorKind kind) {
  auto* window = new TextEditorWindow(state, kind);
  window->show();
  return window;
}

TextEditorWindow::TextEditorWindow(AppState& state, EditorKind kind, QWidget* parent)
    : QWidget(parent), state_(state), kind_(kind), path_(EditedFile(state, kind)) {
  setObjectName(ObjectNameOf(kind));
  setAttribute(Qt::WA_DeleteOnClose);
  content_ = new EditorTextBox(this);
  content_->setObjectName("txtContent");
  content_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont font(FromLatin1(state_.flags.DataFontName));
  font.setStyleHint(QFont::TypeWriter);
  content_->setFont(font);

  auto* save = new QPushButton("Save", this);
  save->setObjectName("btnSave");
  auto* quit = new QPushButton("Quit", this);
  quit->setObjectName("btnQuit");
  auto* buttons = new QHBoxLayout;
  if (kind == EditorKind::LongLat || kind == EditorKind::NameEdit) {
    auto* label = new QLabel("Ctrl-C to copy.  Ctrl-X to cut.  Ctrl-V to paste.", this);
    label->setObjectName("Label1");
    buttons->addWidget(label);
  }
  buttons->addStretch();
  if (kind == EditorKind::Options) {
    auto* restore = new QPushButton("Restore Default Settings", this);
    restore->setObjectName("cmdRestoreDefault");
    buttons->addWidget(restore);
    connect(restore, &QPushButton::clicked, this, &TextEditorWindow::cmdRestoreDefault_Click);
  }
  buttons->addWidget(save);
  buttons->addWidget(quit);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(content_);
  layout->addLayout(buttons);
  resize(640, 480);
  KeepWidthWhenFitted(*this);  // lines of fixed columns
  connect(save, &QPushButton::clicked, this, &TextEditorWindow::btnSave_Click);
  connect(quit, &QPushButton::clicked, this, &TextEditorWindow::btnQuit_Click);

  const bool busy = kind == EditorKind::LongLat || kind == EditorKind::NameEdit;
  if (busy) SetBusyPointer(true);
  LoadFile();
  if (busy) SetBusyPointer(false);
  setWindowTitle(kind == EditorKind::Options ? QString("Edit: OPTIONS.OPT")
                                             : "Edit: " + QString::fromStdString(path_));
}

void TextEditorWindow::LoadFile() {
  FileRefusal refusal;
  const auto text = LoadEditorText(path_, &refusal, &loaded_);
  if (!text) {
    content_->clear();
    ShowMessage("Cannot read the file " + path_ + refusal.ColonReason() + ". The editor starts empty.", "Warning!",
                MessageIcon::Warning, this);
    return;
  }
  // Without the room for the text, the editor does not open and the command says so.
  content_->ShowFileText(*text);
}

std::optional<ValueListReader> TextEditorWindow::ProgramReader() const {
  if (kind_ == EditorKind::Options) return OptionsReader;
  if (kind_ == EditorKind::OrbsEdit) return OrbEditorReader(path_);
  return std::nullopt;
}

void TextEditorWindow::SelectLine(long line) {
  QTextCursor cursor(content_->document()->findBlockByNumber(static_cast<int>(line) - 1));
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  content_->setTextCursor(cursor);
}

void TextEditorWindow::RefuseSave(const std::string& why) {
  ShowMessage(why + ". The file is not saved; your text is still here.", "Warning!", MessageIcon::Warning, this);
  content_->setFocus();
}

void TextEditorWindow::btnSave_Click() {
  const QString typed = content_->TypedText();
  // A character the file cannot hold would be written as '?': it is shown
  // selected and nothing is written.
  if (const auto beyond = FirstBeyondLatin1(typed)) {
    QTextCursor cursor(content_->document());
    cursor.setPosition(static_cast<int>(beyond->at));
    cursor.setPosition(static_cast<int>(beyond->at + beyond->length), QTextCursor::KeepAnchor);
    content_->setTextCursor(cursor);
    return RefuseSave(CharacterNotKeptText(path_, typed.first(beyond->at).count('\n') + 1, beyond->named));
  }
  const std::string text = FileTextFromViewText(typed);
  // What the program would refuse to read back is not written: the file
  // stays as it was, and the faulty line is shown selected.
  if (const auto reader = ProgramReader()) {
    if (const auto refused = EditorTextRefusal(text, path_, *reader)) {
      if (refused->Line > 0) SelectLine(refused->Line);
      return RefuseSave(refused->what());
    }
  }
  if (!MayWriteOverFile()) return;
  // A failed save keeps the window and the text, so nothing typed is lost.
  if (std::string reason; !SaveEditorText(path_, text, &reason)) {
    ShowMessage("Cannot write the file " + path_ + ": " + reason + ". Your text is still here.", "Warning!",
                MessageIcon::Warning, this);
    return;
  }
  loaded_ = StampOfBytes(EditorSaveBytes(text));
  if (kind_ == EditorKind::NameEdit) state_.flags.NamesDirty = 0;
  // The report heading prefix never changes, so setting it again is left out.
  std::string problem;
  if (kind_ == EditorKind::Options && !RereadOptionValues(state_, &problem))
    ShowMessage(problem + ". The options in use stay as they were.", "Warning!", MessageIcon::Warning, this);
}

bool TextEditorWindow::MayWriteOverFile() {
  if (StampOfFile(path_) == loaded_) return true;
  // No keeps both: the file as the other writer left it, the text on view.
  return AskYesNo(ChangedSinceLoadedQuestion(path_), "Warning!", this);
}

void TextEditorWindow::btnQuit_Click() {
  close();
  const AppServices& services = state_.services;
  if (kind_ == EditorKind::LongLat && services.ReopenCityList) services.ReopenCityList();
  if (kind_ == EditorKind::NameEdit && services.ReopenNamesList) services.ReopenNamesList();
}

void TextEditorWindow::cmdRestoreDefault_Click() {
  if (const auto failure = RestoreDefaultOptions(state_.AppPath)) {
    ShowMessage(*failure, "Warning!", MessageIcon::Information, this);
    return;
  }
  LoadFile();
}

}  // namespace halcyra
