#include "chart_input/ui/time_zone_window.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "platform/program_files.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/messages.h"

namespace halcyra {

TimeZoneWindow::TimeZoneWindow(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName("TimeZone");
  setWindowTitle("Time Zones (standard time; add daylight or war time yourself)");
  setAttribute(Qt::WA_DeleteOnClose);
  auto* grid = new QGridLayout(this);
  list_ = new QListWidget(this);
  list_->setObjectName("lstZones");
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));  // the columns line up
  list_->setMinimumSize(520, 320);
  targetLabel_ = new QLabel(this);
  targetLabel_->setObjectName("lblTarget");
  auto* use = new QPushButton("&Use Zone", this);
  use->setObjectName("cmdUse");
  grid->addWidget(list_, 0, 0);
  grid->addWidget(targetLabel_, 1, 0);
  grid->addWidget(use, 2, 0);
  connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { UseZone(list_->row(item)); });
  connect(use, &QPushButton::clicked, this, &TimeZoneWindow::cmdUse_Click);

  LoadedZones loaded = LoadTimeZones(ProgramFile(state_.AppPath, "TZ.DAT"));
  entries_ = std::move(loaded.Entries);
  for (const ZoneEntry& entry : entries_) list_->addItem(FromLatin1(ZoneListText(entry)));
  if (list_->count() > 0) list_->setCurrentRow(0);
  ShowTarget();
  if (loaded.Problems.Any()) ShowMessage(loaded.Problems.Message("time-zone"), "Warning!", MessageIcon::Warning, this);
}

void TimeZoneWindow::ShowTarget() {
  targetLabel_->setText(state_.flags.TZTarget == 0 ? "A pick fills the zone of the natal input window."
                                                   : "A pick fills the zone of the transit input window.");
}

void TimeZoneWindow::UseZone(int row) {
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  InputWindowForTarget(state_.flags.TZTarget).WriteZone(entries_[row].Zone.Text());
}

void TimeZoneWindow::cmdUse_Click() { UseZone(list_->currentRow()); }

void TimeZoneWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace halcyra
