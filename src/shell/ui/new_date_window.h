#pragma once
// The new-date window (NewDate): the dated listing's next day as month, day
// and year boxes; OK stores the typed day in ListingDate, or refuses a date
// the calendar lacks with a message and the focus in the box at fault.
#include <QDialog>

#include "shell/new_date.h"
#include "state/app_state.h"

class QLineEdit;

namespace halcyra {

class NewDateWindow : public QDialog {
  Q_OBJECT
 public:
  explicit NewDateWindow(AppState& state, QWidget* parent = nullptr);

  void cmdOK_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* BoxOf(NewDateBox box) const;

  AppState& state_;
  NewDateFields shown_;
  QLineEdit* month_ = nullptr;
  QLineEdit* day_ = nullptr;
  QLineEdit* year_ = nullptr;
};

// Shows the window modally; true when the user pressed OK.
bool RunNewDate(AppState& state, QWidget* parent);

}  // namespace halcyra
