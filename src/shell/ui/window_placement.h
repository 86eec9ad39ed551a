#pragma once
// Where the program's modeless windows open: in the rooms below and above
// the main window's frame, never over it where they can help it, beside the
// windows already open where there is room, and with their whole frame
// (title bar and borders) inside the screen's available area, so that a
// desktop with a window manager neither hides the menus nor loses a window
// off its edge.
#include <QMargins>
#include <QRect>
#include <vector>

class QWidget;

namespace halcyra {

// Pixels between neighbouring windows.
inline constexpr int WindowGap = 4;

// Puts a newly created window in the row of windows beside the main window:
// just below its frame, `leftOf` pixels from its left edge, or to the right
// of `after` when given. On its first showing the window is fitted to the
// room below the main window, or to the room above when that holds more of
// it. Does nothing without a main window.
void PlaceBesideMainWindow(QWidget& window, int leftOf = 0);
void PlaceBesideMainWindowAfter(QWidget& window, const QWidget& after);

// Marks a window whose picture scales with it: when it must be made smaller
// to fit the screen it keeps its proportions.
void KeepAspectWhenFitted(QWidget& window);

// The smallest client the placement makes a window when the screen has
// room for it (a text window keeps a readable page); the user may still
// make it smaller.
void KeepClientWhenFitted(QWidget& window, QSize least);

// Marks a window of fixed-column text (the Data window, the editors, the
// print window), whose lines a narrower window cuts: among other windows it
// is made shorter, or opens over their text, before it is made narrower
// than the screen allows.
void KeepWidthWhenFitted(QWidget& window);

// Marks a window that fills a box of `other` (the cities and time-zone
// lists of an input window): on its first showing it leaves `other` in
// sight where the screen has room for that.
void KeepInSightWhenPlaced(QWidget& window, QWidget& other);

// How much of `place` the rectangles of `taken` cover, in square pixels
// (counted once for each).
long long OverlapArea(const QRect& place, const std::vector<QRect>& taken);

// A window's frame as its code put it, and what may change in it.
struct FrameRequest {
  QRect frame;                // the whole frame, title bar and borders included
  QMargins margins;           // the frame round the client area
  QSize minimumClient{0, 0};  // the client is never made smaller than this
  bool keepAspect = false;    // made smaller in proportion (a picture that scales)
  bool keepWidth = false;     // made narrower only where nothing else will do
};

// The windows open beside the main window, which a window opening among
// them keeps clear of where it can.
struct OpenWindows {
  std::vector<QRect> frames;      // their whole frames
  std::vector<QRect> bands = {};  // their title and menu bars, where no window above hides them
  std::vector<QRect> kept = {};   // frames to leave whole in sight, before the bands
};

// The parts of the windows' title and menu bars (`bands`, one for each of
// `frames`, listed from the bottom of the stack up) that no window above
// hides: a bar out of sight already loses nothing when it is covered.
std::vector<QRect> BandsInSight(const std::vector<QRect>& frames, const std::vector<QRect>& bands);

// Where the request's frame opens: the first place, row by row, that lies
// inside `screen`, overlaps no frame of `open` and keeps clear of the main
// window's frame. Rows run from just below `mainFrame` and below each open
// window, then from the screen's top and below each open window above the
// main window; columns stand at the main window's left edge, right of each
// open window and at either edge of the screen (rightwards from the main
// window's left edge first, then leftwards from it). Without a free place
// at its size, each candidate on those rows (and just below each band, or
// flush with the bottom of the room it stands in) is made as large as the
// area it stands in holds, down to the request's minimum: the free area,
// the area clear of the bands and kept frames, or the room. The largest
// free one is taken when it keeps at least half the size of the best of
// the others; the best is the one that covers no kept frame, then no band,
// is made smaller least and overlaps the open windows least. A request
// that keeps its width takes a free place only as wide as the room lets it
// be, and its best, after covering no kept frame, is the one made narrower
// least. When there is none, the first row's left end.
QRect FreePlaceBeside(const QRect& mainFrame, const FrameRequest& request, const QRect& screen,
                     const OpenWindows& open);

// The frame a window opens with, inside `screen` and clear of `mainFrame`
// (none for the main window itself): in the room below the main window, or
// above it when the request stands there, or else in the other room. A
// frame too large for the room is made smaller, down to its minimum client
// size, in the room where it keeps most of its size. One that fits neither
// room even then stands whole beside the main window, left or right, where
// a column holds it; else at its smallest where it hides least of the main
// window's `menuItems` (their frames on the screen), then covers none of
// `kept` (windows to leave in sight) where it can, then least of the main
// window. One larger than the screen stands at the screen's top left
// corner. The client is never empty, since a window without a client is
// never shown.
QRect FitFrame(const FrameRequest& request, const QRect& screen, const QRect& mainFrame,
               const std::vector<QRect>& menuItems = {}, const std::vector<QRect>& kept = {});

// The main window's frame on its first showing: where it was put when it
// lies whole inside `screen`; else at the screen's top left corner, its
// place when nothing was recorded (a place recorded on a larger screen
// would otherwise leave it in a corner, with no room for the other windows).
QRect MainWindowFrame(const FrameRequest& request, const QRect& screen);

// Places a window that stands where the placement put it (the user has not
// moved it since) again, as if it opened now in the row beside the main
// window: for a window that opened while windows since closed stood where
// it would have gone, so that it and the windows after it use the room
// those left free.
void PlaceAgainAsOpenedNow(QWidget& window);

// False from a window's first showing until its place has been set with its
// real frame.
bool WindowPlacementSettled(const QWidget& window);

// Watches every top-level window the program shows. On its first showing
// a window that its own code did not move goes to the free place beside the
// main window; one placed by PlaceBesideMainWindow or at a recorded place
// (the INI file's) is fitted there (FitFrame), and one that would cover
// another open window's title or menu bar, where no window above hides it,
// goes to a free place when there is one (a window of the row beside the
// main window only to one that covers no such bar). Whenever a window is
// shown or raised again and its frame covers any of the main window's (the
// main window was dragged onto it), it is placed by the same rules; one the
// user moved anywhere else stays. The main window opens where it was put
// when it fits the screen, else at its top left corner (MainWindowFrame).
// Before the window manager has framed a window its frame is estimated from
// the main window's, and the place is set right once the real frame is
// known. Message boxes and other dialogs over a parent stay where Qt
// centres them, moved only as far as they must to lie inside the screen and
// clear of the main window's frame. Installed once, at start-up.
void InstallWindowPlacement();

}  // namespace halcyra
