#pragma once
// First placement of the program's modeless windows: tiled in a row below
// the main window's menu bar, so that a new desktop does not stack them all
// in one corner.
class QWidget;

namespace halcyra {

// Moves a newly created window below the main window, `leftOf` pixels from
// its left edge, or to the right of `after` when given. Does nothing
// without a main window.
void PlaceBelowMainWindow(QWidget& window, int leftOf = 0);
void PlaceBelowMainWindowAfter(QWidget& window, const QWidget& after);

}  // namespace halcyra
