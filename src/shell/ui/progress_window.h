#pragma once
// "StatusDlg", the "% Completed" window of the long listings, and its bar.
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <optional>

class QPushButton;

namespace halcyra {

class StatusDlg : public QWidget {
  Q_OBJECT
 public:
  StatusDlg();
  QWidget* Picture2 = nullptr;  // the bar's picture box
  QPixmap bar;                  // what the bar shows; drawn on, never erased
  QPushButton* cmdCancel = nullptr;  // shown for a listing that can be cancelled

  // Shows Cancel and makes the window the only one that takes input: the
  // button, Escape and the close control call `cancel` once, and the
  // window stays until the listing unloads it. A shown window is hidden and
  // shown again for this (see ShowCancellableStatusDlg).
  void OfferCancel(std::function<void()> cancel);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Cancel();
  std::function<void()> cancel_;
};

// Width of the bar for `done` of `total` in a box `scaleWidth` wide: the
// percentage limited to 100; nothing (nullopt) when total is not positive.
std::optional<double> ProgressBarWidth(long done, long total, double scaleWidth);

// Draws the bar for done of total in bright red over what it showed before,
// loading and showing StatusDlg first when needed. A total of 0 draws nothing.
void ShowProgressBar(long done, long total);

// The window while it exists; the listings show and remove it themselves.
StatusDlg* TheStatusDlg();
StatusDlg* ShowStatusDlg();
// Shows the window with Cancel offered (StatusDlg::OfferCancel). A window
// made here is offered Cancel before its first showing: one hidden and
// shown again at once, while the window manager is still taking it, can be
// left unmapped for good, a modal window nobody sees.
StatusDlg* ShowCancellableStatusDlg(std::function<void()> cancel);
void UnloadStatusDlg();

}  // namespace halcyra
