#include "shell/ui/new_date_window.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "platform/gui/message_boxes.h"
#include "shell/ui/entry_boxes.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/messages.h"

namespace halcyra {

NewDateWindow::NewDateWindow(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName("NewDate");
  setWindowTitle("New Transit Date");
  auto* grid = new QGridLayout(this);
  auto box = [&](int row, const char* labelName, const char* caption, const char* name) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(labelName);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    // Digits alone, typed or pasted: a sign or a letter would read as another day.
    HoldToPattern(*edit, DigitsPattern);
    edit->installEventFilter(this);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
  };
  month_ = box(0, "lblMonth", "Transit Month", "txtMonth");
  day_ = box(1, "lblDay", "Transit Day", "txtDay");
  year_ = box(2, "lblYear", "Transit Year", "txtYear");
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);
  grid->addWidget(ok, 3, 1);
  connect(ok, &QPushButton::clicked, this, &NewDateWindow::cmdOK_Click);
  // The boxes alone would leave the window too narrow for its title.
  setMinimumWidth(TitleBarFitWidth(windowTitle(), *this));

  shown_ = NewDateFieldsOf(ListingDayInRange(state_.flags.ListingDate));
  month_->setText(QString::number(shown_.Month));
  day_->setText(QString::number(shown_.Day));
  year_->setText(QString::number(shown_.Year));
}

void NewDateWindow::cmdOK_Click() {
  const NewDateReading date =
      ReadNewDate(ToLatin1(month_->text()), ToLatin1(day_->text()), ToLatin1(year_->text()), shown_);
  if (date.Fault) {
    // The window stays open on the box at fault and nothing is listed yet.
    ShowMessage(date.Message, NewDateWarningTitle, MessageIcon::Warning, this);
    FocusRefusedBox(*BoxOf(*date.Fault));
    return;
  }
  state_.flags.ListingDate = date.ListingDate;
  accept();
}

QLineEdit* NewDateWindow::BoxOf(NewDateBox box) const {
  switch (box) {
    case NewDateBox::Month: return month_;
    case NewDateBox::Day: return day_;
    case NewDateBox::Year: break;
  }
  return year_;
}

bool NewDateWindow::eventFilter(QObject* watched, QEvent* event) {
  // After the click that gave the focus has placed the cursor.
  if (event->type() == QEvent::FocusIn)
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, edit, &QLineEdit::selectAll);
  return QDialog::eventFilter(watched, event);
}

bool RunNewDate(AppState& state, QWidget* parent) {
  NewDateWindow window(state, parent);
  return window.exec() == QDialog::Accepted;
}

}  // namespace halcyra
