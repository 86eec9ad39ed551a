#pragma once
// Enter in a window that is not a dialog: Qt gives a default button its
// look there but not its key.
class QPushButton;
class QWidget;

namespace halcyra {

// Enter (Return or the keypad's Enter) pressed anywhere in `window` that no
// control inside takes for itself (a box, an option button) clicks
// `button`, as it would click a dialog's default button: while the button
// is enabled and not hidden.
void PressOnEnter(QWidget& window, QPushButton& button);

}  // namespace halcyra
