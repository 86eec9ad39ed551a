#include "shell/ui/enter_key.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace halcyra {

namespace {

// Sees the key presses that the window's controls leave to the window.
class EnterFilter : public QObject {
 public:
  EnterFilter(QWidget& window, QPushButton& button) : QObject(&window), button_(&button) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    // A button hidden in its window, or disabled, is not pressed.
    if (!button_ || !button_->isEnabled() || !button_->isVisibleTo(button_->window())) return false;
    button_->click();
    return true;
  }

 private:
  QPointer<QPushButton> button_;
};

}  // namespace

void PressOnEnter(QWidget& window, QPushButton& button) {
  button.setDefault(true);
  window.installEventFilter(new EnterFilter(window, button));
}

}  // namespace halcyra
