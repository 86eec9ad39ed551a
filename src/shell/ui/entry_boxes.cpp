#include "shell/ui/entry_boxes.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace halcyra {

void HoldToPattern(QLineEdit& box, const QString& pattern) {
  box.setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), &box));
}

void FocusRefusedBox(QLineEdit& box) {
  box.setFocus(Qt::OtherFocusReason);
  box.selectAll();
}

}  // namespace halcyra
