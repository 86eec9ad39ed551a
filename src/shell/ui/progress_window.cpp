#include "shell/ui/progress_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "platform/gui/qb_colors.h"

namespace halcyra {

namespace {

QPointer<StatusDlg> g_statusDlg;

class BarBox : public QWidget {
 public:
  BarBox(StatusDlg& owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawPixmap(0, 0, owner_.bar);
  }

 private:
  StatusDlg& owner_;
};

}  // namespace

StatusDlg::StatusDlg() {
  setObjectName("StatusDlg");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("% Completed");
  auto* layout = new QVBoxLayout(this);
  Picture2 = new BarBox(*this, this);
  Picture2->setObjectName("Picture2");
  Picture2->setFixedSize(300, 24);
  layout->addWidget(Picture2);
  bar = QPixmap(Picture2->size());
  bar.fill(Qt::white);
  cmdCancel = new QPushButton("Cancel", this);
  cmdCancel->setObjectName("cmdCancel");
  cmdCancel->hide();
  layout->addWidget(cmdCancel, 0, Qt::AlignHCenter);
  connect(cmdCancel, &QPushButton::clicked, this, &StatusDlg::Cancel);
}

void StatusDlg::OfferCancel(std::function<void()> cancel) {
  cancel_ = std::move(cancel);
  // the listing hands events on while it works: only this window may take
  // them (a window's modality takes effect when it is shown)
  if (windowModality() != Qt::ApplicationModal) {
    const bool shown = isVisible();
    if (shown) hide();
    setWindowModality(Qt::ApplicationModal);
    if (shown) show();
  }
  cmdCancel->setEnabled(true);
  cmdCancel->show();
}

void StatusDlg::Cancel() {
  if (!cancel_) return;
  const auto cancel = std::exchange(cancel_, nullptr);
  cmdCancel->setEnabled(false);
  cancel();
}

void StatusDlg::closeEvent(QCloseEvent* event) {
  // closing is cancelling; the listing unloads the window when it has stopped
  if (cmdCancel->isVisibleTo(this)) {
    Cancel();
    event->ignore();
    return;
  }
  cancel_ = nullptr;
  QWidget::closeEvent(event);
}

void StatusDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return Cancel();
  QWidget::keyPressEvent(event);
}

std::optional<double> ProgressBarWidth(long done, long total, double scaleWidth) {
  if (total <= 0) return std::nullopt;
  float percent = static_cast<float>(static_cast<double>(done) / static_cast<double>(total) * 100);
  if (percent > 100) percent = 100;
  return scaleWidth / 100 * percent;
}

void ShowProgressBar(long done, long total) {
  const auto width = ProgressBarWidth(done, total, 0);
  if (!width) return;
  StatusDlg* dialog = ShowStatusDlg();
  const auto barWidth = ProgressBarWidth(done, total, dialog->bar.width());
  if (*barWidth > 0) {
    QPainter painter(&dialog->bar);
    painter.fillRect(QRectF(0, 0, *barWidth, dialog->bar.height()), QBColor(12));
  }
  dialog->Picture2->repaint();
}

StatusDlg* TheStatusDlg() { return g_statusDlg; }

StatusDlg* ShowStatusDlg() {
  if (!g_statusDlg) {
    g_statusDlg = new StatusDlg;
    g_statusDlg->show();
  }
  return g_statusDlg;
}

StatusDlg* ShowCancellableStatusDlg(std::function<void()> cancel) {
  const bool made = !g_statusDlg;
  if (made) g_statusDlg = new StatusDlg;
  g_statusDlg->OfferCancel(std::move(cancel));
  if (made) g_statusDlg->show();
  return g_statusDlg;
}

void UnloadStatusDlg() {
  if (g_statusDlg) {
    g_statusDlg->cmdCancel->hide();
    g_statusDlg->close();
    g_statusDlg = nullptr;
  }
}

}  // namespace halcyra
