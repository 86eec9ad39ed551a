#pragma once
// First placement of the program's modeless windows: below the main
// window's menu bar, beside the windows already open where there is room,
// and always inside the screen, so that a new desktop does not stack them
// in one corner over the menus.
#include <QRect>
#include <vector>

class QWidget;

namespace halcyra {

// Moves a newly created window below the main window, `leftOf` pixels from
// its left edge, or to the right of `after` when given. Does nothing
// without a main window.
void PlaceBelowMainWindow(QWidget& window, int leftOf = 0);
void PlaceBelowMainWindowAfter(QWidget& window, const QWidget& after);

// Where a window of frame size `size` opens: the first place, row by row
// from just below `mainFrame`, that lies inside `screen` and overlaps no
// rectangle of `taken`. Candidates stand at the main window's left edge,
// right of each taken window and at either edge of the screen (rightwards
// from the main window's left edge first, then leftwards from it), on the first row below the
// main window and below each taken window. Without a free place, the one of
// those places that overlaps the taken windows least; when none lies inside
// the screen, the first row's left end moved inside it.
QPoint FreePlaceBelow(const QRect& mainFrame, QSize size, const QRect& screen, const std::vector<QRect>& taken);

// Watches every top-level window the program shows: on its first showing a
// window that was not moved by its own code goes to FreePlaceBelow the main
// window; one placed by PlaceBelowMainWindow is kept inside the screen, and
// one at a recorded position (the INI file's) stays there.
// Message boxes and other dialogs over a parent stay where Qt centres them.
// Installed once, at start-up.
void InstallWindowPlacement();

}  // namespace halcyra
