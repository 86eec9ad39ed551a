#include "reports/ui/diur_opt_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <stop_token>

#include "platform/gui/busy_pointer.h"
#include "platform/number_text.h"
#include "platform/program_files.h"
#include "reports/ui/listing_commands.h"
#include "shell/report_output.h"
#include "shell/ui/enter_key.h"
#include "shell/ui/entry_boxes.h"
#include "shell/startup_data.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/messages.h"
#include "shell/ui/progress_window.h"
#include "shell/ui/text_editors.h"

namespace halcyra {

namespace {

QPointer<DiurOptWindow> g_diurOpt;

// One column of check boxes, named prefix1 .. prefix29.
QGroupBox* SlotBoxes(QWidget* parent, const char* title, const char* prefix,
                     std::array<QCheckBox*, ListingSlots + 1>& boxes) {
  auto* group = new QGroupBox(title, parent);
  auto* grid = new QGridLayout(group);
  for (int slot = 1; slot <= ListingSlots; ++slot) {
    std::string name = SlotName10(slot);
    name.erase(name.find_last_not_of(' ') + 1);
    auto* box = new QCheckBox(FromLatin1(name), group);
    box->setObjectName(QString("%1%2").arg(prefix).arg(slot));
    grid->addWidget(box, (slot - 1) % 15, (slot - 1) / 15);
    boxes[slot] = box;
  }
  return group;
}

// The columns of check boxes, which scroll where the screen is too short for
// the whole window (a 768-pixel screen under the main window); where there
// is room the window opens with every box in sight.
class CheckBoxColumns : public QScrollArea {
 public:
  explicit CheckBoxColumns(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  // The boxes' own size, and room for the scroll bar that shows when they
  // are cut short, so that it never covers a box.
  QSize sizeHint() const override {
    return widget()->sizeHint() + QSize(verticalScrollBar()->sizeHint().width(), 0);
  }
  QSize minimumSizeHint() const override {
    return {sizeHint().width(), std::min(sizeHint().height(), ShortestRows * fontMetrics().height())};
  }

 private:
  static constexpr int ShortestRows = 8;
};

QLineEdit* NumberBox(QWidget* parent, QGridLayout* grid, int row, const char* caption,
                     const char* name, int value) {
  auto* label = new QLabel(caption, parent);
  auto* edit = new QLineEdit(QString::number(value), parent);
  edit->setObjectName(name);
  grid->addWidget(label, row, 0);
  grid->addWidget(edit, row, 1);
  return edit;
}

}  // namespace

DiurOptWindow::DiurOptWindow(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName("DIUR_OPT");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("Transits by the Minute");
  auto* layout = new QVBoxLayout(this);
  auto* scroll = new CheckBoxColumns(this);
  auto* boxes = new QWidget(scroll);
  auto* columns = new QHBoxLayout(boxes);
  columns->setContentsMargins(0, 0, 0, 0);
  columns->addWidget(SlotBoxes(boxes, "Transiting points", "chkTransit", transit_));
  columns->addWidget(SlotBoxes(boxes, "Natal points", "chkNatal", natal_));
  scroll->setWidget(boxes);
  layout->addWidget(scroll, 1);

  const std::string& selection = state_.ini.TransitSelection;
  for (int slot = 1; slot <= ListingSlots; ++slot) {
    transit_[slot]->setChecked(TransitSlotSelected(selection, slot));
    natal_[slot]->setChecked(NatalSlotSelected(selection, slot));
  }
  // every tick is kept at once: the wheel's rings read the same selection
  for (int slot = 1; slot <= ListingSlots; ++slot)
    for (QCheckBox* box : {transit_[slot], natal_[slot]})
      connect(box, &QCheckBox::toggled, this,
              [this] { state_.ini.TransitSelection = SelectionFromBoxes(); });

  auto* period = new QGroupBox("Period", this);
  auto* grid = new QGridLayout(period);
  const ChartInput& in = state_.input;
  month_ = NumberBox(period, grid, 0, "First month", "txtMonth", in.Transit.Month);
  day_ = NumberBox(period, grid, 1, "First day", "txtDay", in.Transit.Day);
  year_ = NumberBox(period, grid, 2, "First year", "txtYear", in.Transit.Year);
  days_ = NumberBox(period, grid, 3, "Number of days", "txtDays", 1);
  layout->addWidget(period);

  auto* buttons = new QHBoxLayout;
  auto button = [&](const char* name, const char* caption, void (DiurOptWindow::*handler)()) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, handler);
    buttons->addWidget(b);
    return b;
  };
  list_ = button("cmdList", "&List", &DiurOptWindow::cmdList_Click);
  PressOnEnter(*this, *list_);
  button("cmdOrbs", "Edit &Orbs", &DiurOptWindow::cmdOrbs_Click);
  button("cmdQuit", "&Quit", &DiurOptWindow::cmdQuit_Click);
  layout->addLayout(buttons);
  // Every box in sight where the screen has room: Qt alone would cut a
  // window whose boxes scroll to two thirds of the screen.
  resize(sizeHint());
}

std::string DiurOptWindow::SelectionFromBoxes() const {
  std::string selection = state_.ini.TransitSelection;
  for (int slot = 1; slot <= ListingSlots; ++slot) {
    selection = WithSlot(selection, slot, transit_[slot]->isChecked());
    selection = WithSlot(selection, NatalSelectionOffset + slot, natal_[slot]->isChecked());
  }
  return selection;
}

QLineEdit* DiurOptWindow::PeriodFromBoxes(MinuteListingPeriod& period) const {
  // Read as every entry box is: a text that is no whole number ("6x", typed
  // or pasted) is refused, never taken for the number it begins with. -1
  // lies outside every range below.
  auto whole = [](const QLineEdit* box) { return WholeBoxNumber(ToLatin1(box->text())).value_or(-1); };
  const long month = whole(month_);
  const long day = whole(day_);
  const long year = whole(year_);
  const long days = whole(days_);
  if (month < 1 || month > 12) return month_;
  if (day < 1 || day > 31) return day_;
  if (year < 100 || year > 2099) return year_;
  if (!DateExists(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day))) return day_;
  if (days < 1 || days > 366) return days_;
  const ChartInput& in = state_.input;
  period.first = {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
  period.days = static_cast<int>(days);
  period.place = {in.Transit.ZoneHours(), in.TransitPlace};
  return nullptr;
}

void DiurOptWindow::cmdList_Click() {
  MinuteListingPeriod period;
  if (QLineEdit* fault = PeriodFromBoxes(period)) {
    ShowMessage(ListingPeriodText, "Warning!", MessageIcon::Warning, this);
    FocusRefusedBox(*fault);
    return;
  }
  setEnabled(false);  // one listing at a time
  // a listing that runs out of memory ends at the application's catch, which tidies the rest
  const auto enable = qScopeGuard([this] { setEnabled(true); });
  SetBusyPointer(true);
  std::stop_source cancel;
  ShowCancellableStatusDlg([&cancel] { cancel.request_stop(); });
  const ListingProgress progress{ReportCancellableListingProgress, cancel.get_token()};
  bool written = false;
  std::optional<std::string> failure;
  try {
    written = RunMinuteListing(state_, period, progress);
  } catch (const StartupFileError& error) {
    failure = error.what();
  }
  UnloadStatusDlg();
  if (written) ShowReport(state_);
  SetBusyPointer(false);
  if (failure) ShowMessage(*failure, "Error!", MessageIcon::Critical, this);
}

void DiurOptWindow::cmdOrbs_Click() {
  state_.options.OrbFileName = ProgramFile(state_.AppPath, "DIURNAL.ORB");
  ShowTextEditor(state_, EditorKind::OrbsEdit);
}

void DiurOptWindow::cmdQuit_Click() { close(); }

DiurOptWindow* ShowDiurOpt(AppState& state) {
  if (g_diurOpt) g_diurOpt->close();
  g_diurOpt = new DiurOptWindow(state);
  g_diurOpt->show();
  return g_diurOpt;
}

DiurOptWindow* TheDiurOpt() { return g_diurOpt; }

}  // namespace halcyra
