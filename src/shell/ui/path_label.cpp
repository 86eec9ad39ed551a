#include "shell/ui/path_label.h"

#include <QFontMetrics>
#include <QResizeEvent>

namespace halcyra {

PathLabel::PathLabel(QWidget* parent) : QLabel(parent) {
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void PathLabel::SetPath(const QString& path) {
  path_ = path;
  setToolTip(path);
  Elide();
}

// The label asks for no width of its own: the window's other controls set it.
QSize PathLabel::minimumSizeHint() const { return {0, QLabel::minimumSizeHint().height()}; }
QSize PathLabel::sizeHint() const { return {0, QLabel::sizeHint().height()}; }

void PathLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Elide();
}

void PathLabel::Elide() { setText(fontMetrics().elidedText(path_, Qt::ElideMiddle, contentsRect().width())); }

}  // namespace halcyra
