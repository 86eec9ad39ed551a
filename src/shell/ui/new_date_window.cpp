#include "shell/ui/new_date_window.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "platform/gui/message_boxes.h"
#include "shell/ui/latin1_text.h"

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

  shown_ = NewDateFieldsOf(state_.flags.ListingDate);
  month_->setText(QString::number(shown_.Month));
  day_->setText(QString::number(shown_.Day));
  year_->setText(QString::number(shown_.Year));
}

void NewDateWindow::cmdOK_Click() {
  state_.flags.ListingDate = ListingDateOf(ToLatin1(month_->text()), ToLatin1(day_->text()),
                                           ToLatin1(year_->text()), shown_);
  accept();
}

bool NewDateWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit) return QDialog::eventFilter(watched, event);
  if (event->type() == QEvent::FocusIn) {
    // After the click that gave the focus has placed the cursor.
    QTimer::singleShot(0, edit, &QLineEdit::selectAll);
  } else if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    // Only typed characters are filtered; keys that type nothing (arrows,
    // Tab, Enter) keep their usual work.
    const bool typesCharacter = !text.isEmpty() && text.at(0).isPrint();
    if (typesCharacter && !(text.size() == 1 && text.at(0) >= '0' && text.at(0) <= '9'))
      return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool RunNewDate(AppState& state, QWidget* parent) {
  NewDateWindow window(state, parent);
  return window.exec() == QDialog::Accepted;
}

}  // namespace halcyra
