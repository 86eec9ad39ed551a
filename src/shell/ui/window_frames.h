#pragma once
// The frames a window manager puts round top-level windows. A frame is only
// known once the window manager has taken the window, after it is first
// shown; before that it is estimated from a framed window (the main
// window's) or from the style's title bar.
#include <QMargins>
#include <QRect>
#include <optional>

class QWidget;

namespace halcyra {

// The margins of the window's frame round its client area once the window
// manager has framed it; nothing before (or where nothing frames windows).
std::optional<QMargins> KnownFrameMargins(const QWidget& window);

// Whether the platform puts frames round windows at all (a desktop does;
// the offscreen platform of the tests does not).
bool PlatformFramesWindows();

// The margins the window's frame has or will have: its own when known, else
// those of the framed main window, else a title bar and thin borders of the
// style's size; none where the platform frames no windows.
QMargins ExpectedFrameMargins(const QWidget& window);

// The window's frame as it stands or, before the window manager has framed
// it, as it will stand: the frame's top left corner is where the window's
// code or MoveFrameTo put it.
QRect ExpectedFrame(const QWidget& window);

// Moves the window so that its frame's top left corner comes to `at`,
// framed yet or not.
void MoveFrameTo(QWidget& window, QPoint at);

// Where MoveFrameTo last put the frame of a window not framed then (nothing
// once it was moved framed), forgotten from here on.
std::optional<QPoint> TakeWantedFramePosition(QWidget& window);

// Handles events (no user input) until the window manager has framed and
// shown the window, for a moment at most; at once where nothing frames
// windows.
void AwaitWindowFrame(QWidget& window);

}  // namespace halcyra
