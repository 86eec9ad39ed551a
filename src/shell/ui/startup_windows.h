#pragma once
// The small windows of start-up and Help > About: the cover shown while the
// data loads, the title that waits for "Continue", and the About window.
#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace halcyra {

// "Cover": the splash picture; its caption carries the loading progress.
class CoverWindow : public QWidget {
  Q_OBJECT
 public:
  CoverWindow();
  // Shows the window and paints it at once, since start-up goes on without
  // returning to the event loop.
  void ShowNow();
  void SetCaption(const std::string& caption);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// "TITLE": picture, title, version and hint; "Continue" (cmdOK) is hidden
// until start-up shows it. Pressing it, or closing the window, sets
// TitleDone and removes the window.
class TitleWindow : public QWidget {
  Q_OBJECT
 public:
  TitleWindow();
  QPushButton* cmdOK = nullptr;
  QLabel* Label2 = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
};

// "About": the version and the program's name drawn as a trail.
class AboutWindow : public QWidget {
  Q_OBJECT
 public:
  AboutWindow();
  QLabel* Label1 = nullptr;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

// Help > About: shows the About window, or brings the open one forward.
AboutWindow* ShowAboutWindow();

}  // namespace halcyra
