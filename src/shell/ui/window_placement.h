#pragma once
// Where the program's modeless windows open: below the main window's frame,
// beside the windows already open where there is room, and with their whole
// frame (title bar and borders) inside the screen's available area, so that
// a desktop with a window manager neither hides the menus nor loses a
// window off its edge.
#include <QMargins>
#include <QRect>
#include <vector>

class QWidget;

namespace halcyra {

// Pixels between neighbouring windows.
inline constexpr int WindowGap = 4;

// Moves a newly created window below the main window, `leftOf` pixels from
// its left edge, or to the right of `after` when given. Does nothing
// without a main window.
void PlaceBelowMainWindow(QWidget& window, int leftOf = 0);
void PlaceBelowMainWindowAfter(QWidget& window, const QWidget& after);

// Marks a window whose picture scales with it: when it must be made smaller
// to fit the screen it keeps its proportions.
void KeepAspectWhenFitted(QWidget& window);

// Where a frame of `size` opens: the first place, row by row from just below
// `mainFrame`, that lies inside `screen` and overlaps no rectangle of
// `taken`. Candidates stand at the main window's left edge, right of each
// taken window and at either edge of the screen (rightwards from the main
// window's left edge first, then leftwards from it), on the first row below
// the main window and below each taken window. Without a free place, the
// candidate inside the screen that overlaps the taken windows least, on
// those rows or flush with the screen's bottom edge; a candidate that covers
// none of `bands` (the title and menu bars of the windows open) comes before
// one that does. When none lies inside the screen, the first row's left end
// moved inside it.
QPoint FreePlaceBelow(const QRect& mainFrame, QSize size, const QRect& screen, const std::vector<QRect>& taken,
                      const std::vector<QRect>& bands = {});

// A window's frame as its code put it, and what may change in it.
struct FrameRequest {
  QRect frame;                // the whole frame, title bar and borders included
  QMargins margins;           // the frame round the client area
  QSize minimumClient{0, 0};  // the client is never made smaller than this
  bool keepAspect = false;    // made smaller in proportion (a picture that scales)
};

// The frame a window opens with: the request moved inside `screen` and below
// `floor` (the first row under the main window's frame). A frame too large
// for the room below the floor is made smaller, down to its minimum client
// size; one that still does not fit rises above the floor as far as it must,
// and one larger than the screen stands at the screen's top left corner.
QRect FitFrame(const FrameRequest& request, const QRect& screen, int floor);

// False from a window's first showing until its place has been set with its
// real frame.
bool WindowPlacementSettled(const QWidget& window);

// Watches every top-level window the program shows. On its first showing
// a window that its own code did not move goes to the free place below the
// main window; one placed by PlaceBelowMainWindow or at a recorded place
// (the INI file's) is fitted there (FitFrame), and one whose recorded place
// would cover another open window goes to a free place when there is one.
// The main window is kept inside the screen. Before the window manager has
// framed a window its frame is estimated from the main window's, and the
// place is set right once the real frame is known. Message boxes and other
// dialogs over a parent stay where Qt centres them, moved only as far as
// they must to lie inside the screen and below the main window's frame.
// Installed once, at start-up.
void InstallWindowPlacement();

}  // namespace halcyra
