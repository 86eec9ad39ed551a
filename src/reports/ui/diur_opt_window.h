#pragma once
// DIUR_OPT, the transit-listing options window: which transiting and
// natal points the minute-by-minute listing follows (TransitSelection),
// the first day and the number of days, the orb file command and the
// List command that runs the listing.
#include <QWidget>
#include <array>

#include "reports/listing_points.h"
#include "reports/minute_listing.h"
#include "state/app_state.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace halcyra {

inline constexpr const char* ListingPeriodText =
    "Please enter the first day as month, day and year, and a number of days from 1 to 366.";

class DiurOptWindow : public QWidget {
  Q_OBJECT
 public:
  explicit DiurOptWindow(AppState& state, QWidget* parent = nullptr);

  void cmdList_Click();
  void cmdOrbs_Click();
  void cmdQuit_Click();

  // The boxes as a selection: characters 1-29 and 43-71 from the boxes,
  // the others as TransitSelection holds them.
  std::string SelectionFromBoxes() const;
  // Fills `period` with the period typed into the boxes, at the transit
  // place, and returns nullptr; or returns the first box whose text is
  // refused (no whole number, a date out of range or not in the calendar, a
  // number of days out of range), `period` untouched.
  QLineEdit* PeriodFromBoxes(MinuteListingPeriod& period) const;

 private:
  AppState& state_;
  std::array<QCheckBox*, ListingSlots + 1> transit_{};
  std::array<QCheckBox*, ListingSlots + 1> natal_{};
  QLineEdit* month_ = nullptr;
  QLineEdit* day_ = nullptr;
  QLineEdit* year_ = nullptr;
  QLineEdit* days_ = nullptr;
  QPushButton* list_ = nullptr;
};

// Loads the window (afresh) and shows it modeless.
DiurOptWindow* ShowDiurOpt(AppState& state);
DiurOptWindow* TheDiurOpt();  // while loaded

}  // namespace halcyra
