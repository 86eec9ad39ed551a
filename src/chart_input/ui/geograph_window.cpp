#include "chart_input/ui/geograph_window.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/messages.h"
#include "shell/ui/path_label.h"
#include "shell/ui/report_view.h"
#include "shell/ui/text_editors.h"

namespace halcyra {

namespace {
QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}
}  // namespace

GeographWindow::GeographWindow(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName("Geograph");
  setWindowTitle("Cities");
  setAttribute(Qt::WA_DeleteOnClose);
  auto* grid = new QGridLayout(this);
  fileLabel_ = new PathLabel(this);
  fileLabel_->setObjectName("lblFile");
  targetLabel_ = new QLabel(this);
  targetLabel_->setObjectName("lblTarget");
  list_ = new QListWidget(this);
  list_->setObjectName("CitiesOnFile");
  list_->setMinimumSize(320, 300);
  QPushButton* use = Button(this, "cmdUse", "&Use City");
  QPushButton* edit = Button(this, "cmdEdit", "&Edit File");
  QPushButton* open = Button(this, "cmdOpen", "&Other File...");
  QPushButton* help = Button(this, "cmdHelp", "&Help");
  grid->addWidget(fileLabel_, 0, 0, 1, 2);
  grid->addWidget(list_, 1, 0, 1, 2);
  grid->addWidget(targetLabel_, 2, 0, 1, 2);
  grid->addWidget(use, 3, 0);
  grid->addWidget(edit, 3, 1);
  grid->addWidget(open, 4, 0);
  grid->addWidget(help, 4, 1);
  connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { UseCity(list_->row(item)); });
  connect(use, &QPushButton::clicked, this, &GeographWindow::cmdUse_Click);
  connect(edit, &QPushButton::clicked, this, &GeographWindow::cmdEdit_Click);
  connect(open, &QPushButton::clicked, this, &GeographWindow::cmdOpen_Click);
  connect(help, &QPushButton::clicked, this, &GeographWindow::cmdHelp_Click);
  LoadList();
  ShowTarget();
}

void GeographWindow::LoadList() {
  const std::string path = CurrentCityFile(state_);
  LoadedCities loaded = LoadCityFile(path);
  entries_ = std::move(loaded.Entries);
  fileLabel_->SetPath(QString::fromStdString(path));
  list_->setUpdatesEnabled(false);
  list_->clear();
  for (const CityEntry& city : entries_) list_->addItem(FromLatin1(city.Name));
  list_->setUpdatesEnabled(true);
  if (list_->count() > 0) list_->setCurrentRow(0);
  if (loaded.Problems.Any()) ShowMessage(loaded.Problems.Message("city"), "Warning!", MessageIcon::Warning, this);
}

void GeographWindow::ShowTarget() {
  targetLabel_->setText(state_.input.GeoTarget == 0 ? "A pick fills the natal input window."
                                                    : "A pick fills the transit input window.");
}

void GeographWindow::UseCity(int row) {
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  InputWindowForTarget(state_.input.GeoTarget).WritePlace(entries_[row].Place);
}

void GeographWindow::cmdUse_Click() { UseCity(list_->currentRow()); }

void GeographWindow::cmdEdit_Click() {
  if (state_.ini.CityFileName.empty()) state_.ini.CityFileName = CurrentCityFile(state_);
  ShowTextEditor(state_, EditorKind::LongLat);
}

void GeographWindow::cmdOpen_Click() {
  const std::string path = ChooseDataFile(state_, "*.LL", this);
  if (path.empty()) return;
  state_.ini.CityFileName = path;
  LoadList();
}

void GeographWindow::cmdHelp_Click() { ShowTextHelp("\\GEOGRAPH.HLP"); }

void GeographWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace halcyra
