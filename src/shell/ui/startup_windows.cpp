#include "shell/ui/startup_windows.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/gui/twips.h"
#include "shell/ui/artwork.h"
#include "shell/ui/enter_key.h"
#include "state/app_state.h"
#include "state/shared_tables.h"

namespace halcyra {

namespace {

QString VersionCaption() { return "Version " + QString::fromLatin1(VersionText.data(), VersionText.size()); }

// A plain widget that shows the sky picture.
class Picture : public QWidget {
 public:
  explicit Picture(QWidget* parent) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    PaintSkyArtwork(painter, rect());
  }
};

}  // namespace

CoverWindow::CoverWindow() {
  setObjectName("Cover");
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(600, 500);
  setWindowTitle("Halcyra");
}

void CoverWindow::ShowNow() {
  show();
  // Let the window system map the window, then paint it before loading starts.
  QCoreApplication::processEvents();
  repaint();
}

void CoverWindow::SetCaption(const std::string& caption) {
  setWindowTitle(QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())));
}

void CoverWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintSkyArtwork(painter, rect());
  QFont font = painter.font();
  font.setPointSize(36);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(250, 235, 190));
  painter.drawText(QRect(0, height() - 110, width(), 60), Qt::AlignCenter, "Halcyra");
}

TitleWindow::TitleWindow() {
  setObjectName("TITLE");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("Halcyra");
  auto* layout = new QVBoxLayout(this);
  auto* picture = new Picture(this);
  picture->setObjectName("Picture1");
  picture->setFixedSize(360, 240);
  layout->addWidget(picture, 0, Qt::AlignHCenter);
  auto* title = new QLabel("Halcyra", this);
  title->setObjectName("Label1");
  QFont titleFont = title->font();
  titleFont.setPointSize(24);
  titleFont.setBold(true);
  title->setFont(titleFont);
  title->setAlignment(Qt::AlignCenter);
  layout->addWidget(title);
  Label2 = new QLabel(VersionCaption(), this);
  Label2->setObjectName("Label2");
  Label2->setAlignment(Qt::AlignCenter);
  layout->addWidget(Label2);
  auto* hint = new QLabel(
      "For a listing of changes to the program, please see Revision History under HELP in the "
      "main window.  Please review the many other categories under HELP, such as Hints and "
      "Shortcut Keys.",
      this);
  hint->setObjectName("Label3");
  hint->setWordWrap(true);
  hint->setAlignment(Qt::AlignCenter);
  layout->addWidget(hint);
  cmdOK = new QPushButton("Continue", this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setVisible(false);
  // Enter anywhere in the window presses "Continue" once it shows, as in a dialog.
  PressOnEnter(*this, *cmdOK);
  cmdOK->setAutoDefault(true);
  layout->addWidget(cmdOK, 0, Qt::AlignHCenter);
  connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
  setFixedWidth(420);
}

void TitleWindow::closeEvent(QCloseEvent* event) {
  // The close box releases the start-up wait just as "Continue" does.
  App().flags.TitleDone = 1;
  event->accept();
}

AboutWindow::AboutWindow() {
  setObjectName("About");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("About Halcyra");
  setFixedSize(360, 150);
  Label1 = new QLabel(VersionCaption(), this);
  Label1->setObjectName("Label1");
  Label1->setGeometry(0, 100, width(), 24);
  Label1->setAlignment(Qt::AlignCenter);
}

void AboutWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QFont font = painter.font();
  font.setPointSize(20);
  painter.setFont(font);
  const double ascent = painter.fontMetrics().ascent();
  // A hundred dark copies, each one twip further down and to the right,
  // then the name once more in yellow over the trail.
  const double stepX = 1.0 / TwipsPerPixelX();
  const double stepY = 1.0 / TwipsPerPixelY();
  double x = 1020.0 / TwipsPerPixelX();
  double y = 75.0 / TwipsPerPixelY();
  painter.setPen(Qt::black);
  for (int i = 0; i < 100; ++i) {
    painter.drawText(QPointF(x, y + ascent), "Halcyra");
    x += stepX;
    y += stepY;
  }
  painter.setPen(QColor(255, 255, 0));
  painter.drawText(QPointF(x, y + ascent), "Halcyra");
}

void AboutWindow::mousePressEvent(QMouseEvent*) { close(); }

AboutWindow* ShowAboutWindow() {
  static QPointer<AboutWindow> window;
  if (!window) window = new AboutWindow;
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace halcyra
