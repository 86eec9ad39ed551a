#include "chart_input/ui/names_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <new>

#include "chart_input/input_checks.h"
#include "chart_input/input_presets.h"
#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "platform/gui/address_room.h"
#include "shell/local_clock.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/messages.h"
#include "shell/ui/path_label.h"
#include "shell/ui/report_view.h"
#include "shell/ui/text_editors.h"

namespace halcyra {

namespace {

// What a row of the list holds beyond its entry: the item, its text and the
// view's share, about 300 bytes, with room to spare.
constexpr size_t ListRowRoom = 512;
constexpr size_t RowsPerRoomCheck = 4096;

// Room for the next run of rows, and for the list of every row's item to
// grow once more (to twice its size, in one piece).
bool RoomForRows(size_t rowsSoFar) {
  return AllocationRoomFor(RowsPerRoomCheck * ListRowRoom) &&
         AddressRoomFor((rowsSoFar + RowsPerRoomCheck) * 2 * sizeof(void*));
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}
}  // namespace

NamesWindow::NamesWindow(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName("Names");
  setWindowTitle("Names");
  setAttribute(Qt::WA_DeleteOnClose);
  auto* grid = new QGridLayout(this);
  fileLabel_ = new PathLabel(this);
  fileLabel_->setObjectName("lblFile");
  list_ = new QListWidget(this);
  list_->setObjectName("NamesOnFile");
  list_->setMinimumSize(280, 260);
  QPushButton* save = Button(this, "cmdSave", "&Save Natal Data");
  save->setToolTip("Adds the chart of the natal input window to the names file");
  QPushButton* edit = Button(this, "cmdEdit", "&Edit File");
  QPushButton* open = Button(this, "cmdOpen", "&Other File...");
  QPushButton* help = Button(this, "cmdHelp", "&Help");
  grid->addWidget(fileLabel_, 0, 0, 1, 2);
  grid->addWidget(list_, 1, 0, 1, 2);
  grid->addWidget(save, 2, 0);
  grid->addWidget(edit, 2, 1);
  grid->addWidget(open, 3, 0);
  grid->addWidget(help, 3, 1);
  connect(list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { NamesOnFile_DblClick(list_->row(item)); });
  connect(save, &QPushButton::clicked, this, &NamesWindow::cmdSave_Click);
  connect(edit, &QPushButton::clicked, this, &NamesWindow::cmdEdit_Click);
  connect(open, &QPushButton::clicked, this, &NamesWindow::cmdOpen_Click);
  connect(help, &QPushButton::clicked, this, &NamesWindow::cmdHelp_Click);
  LoadList();
}

void NamesWindow::LoadList() {
  if (const FileProblems problems = ReadList(); problems.Any())
    ShowMessage(problems.Message("names"), "Warning!", MessageIcon::Warning, this);
}

void NamesWindow::ClearList() {
  list_->clear();
  entries_ = {};
}

FileProblems NamesWindow::ReadList() {
  const std::string path = CurrentNamesFile(state_);
  fileLabel_->SetPath(QString::fromStdString(path));
  // The list before goes first: a long file's list is held once, not twice.
  ClearList();
  LoadedNames loaded;
  list_->setUpdatesEnabled(false);  // a long file fills without flicker
  try {
    loaded = LoadNamesFile(path);
    // Qt's list does not survive an allocation that fails while it fills:
    // each run of rows asks for its room first.
    for (size_t row = 0; row < loaded.Entries.size(); ++row) {
      if (row % RowsPerRoomCheck == 0 && !RoomForRows(row)) throw std::bad_alloc();
      list_->addItem(FromLatin1(loaded.Entries[row].Name));
    }
    entries_ = std::move(loaded.Entries);
  } catch (const std::bad_alloc&) {
    ClearList();
    loaded.Problems = {.Path = path, .Unreadable = true, .Refusal = OutOfMemoryRefusal, .BadLines = {}};
  }
  list_->setUpdatesEnabled(true);
  // Start-up and a changed list do not reselect the entry used last.
  const int remembered = state_.input.RememberedNameIndex;
  if (state_.flags.NamesDirty == 0 && remembered >= 0 && remembered < list_->count())
    list_->setCurrentRow(remembered);
  else if (list_->count() > 0)
    list_->setCurrentRow(0);
  return loaded.Problems;
}

void NamesWindow::NamesOnFile_DblClick(int row) {
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  const NameEntry entry = entries_[row];
  InputDWindow& natal = InputD();
  natal.SetNameText(entry.Name);
  // a chart of the moment it is computed ("Now") has that moment written in
  // the zone beside it, and is the preset of now
  const DotMinutes zone = entry.HasPlace ? entry.When.Zone : HomeZone(state_.options);
  if (entry.HasMoment)
    natal.WriteMoment(MomentBoxTexts(entry.When));
  else
    natal.WriteMomentOfNow(ReadClock(state_.services), zone);
  natal.WritePlace(entry.HasPlace ? PlaceBoxTexts(zone, entry.Where) : HomePlaceTexts(state_.options));
  state_.input.RememberedNameIndex = row;
  ComputeChartFromInputWindows(state_);
}

void NamesWindow::cmdSave_Click() {
  InputDWindow& natal = InputD();
  if (!natal.NameFitsFiles()) return;
  const std::string name = natal.NameText();
  if (const std::string refusal = NameRefusal(name); !refusal.empty()) {
    ShowMessage(refusal, "Warning!", MessageIcon::Warning, this);
    return;
  }
  const std::optional<WindowReading> boxes = AcceptedNatalBoxes(this);
  if (!boxes) return;
  const std::string path = CurrentNamesFile(state_);
  std::string reason;
  switch (AppendNameEntry(path, NameEntryOf(name, boxes->When, boxes->Where), &reason)) {
    case NameSaveResult::Saved:
      break;
    case NameSaveResult::FileUnreadable:
      ShowMessage("The names file " + path + " cannot be read: " + reason + ". The chart was not added to it.",
                  "Warning!", MessageIcon::Warning, this);
      return;
    case NameSaveResult::WriteFailed:
      ShowMessage("The names file " + path + " cannot be written: " + reason + "; the chart was not added to it.",
                  "Warning!", MessageIcon::Warning, this);
      return;
  }
  state_.flags.NamesDirty = 0;
  // The chart is on file whatever the list can show.
  const FileProblems problems = ReadList();
  if (problems.Unreadable && problems.Refusal.kind == FileRefusal::Kind::OutOfMemory)
    ShowMessage("The chart was added to the names file " + path + ", but the list cannot be shown again: " +
                    problems.Refusal.reason + ". The list is empty.",
                "Warning!", MessageIcon::Warning, this);
  else if (problems.Any())
    ShowMessage(problems.Message("names"), "Warning!", MessageIcon::Warning, this);
  state_.input.RememberedNameIndex = list_->count() - 1;
  list_->setCurrentRow(list_->count() - 1);
}

void NamesWindow::cmdEdit_Click() {
  if (state_.ini.NamesFileName.empty()) state_.ini.NamesFileName = CurrentNamesFile(state_);
  ShowTextEditor(state_, EditorKind::NameEdit);
}

void NamesWindow::cmdOpen_Click() {
  const std::string path = ChooseDataFile(state_, "*.FIL", this);
  if (path.empty()) return;
  state_.ini.NamesFileName = path;
  state_.input.RememberedNameIndex = -1;
  LoadList();
}

void NamesWindow::cmdHelp_Click() { ShowTextHelp("\\NAMES.HLP"); }

}  // namespace halcyra
