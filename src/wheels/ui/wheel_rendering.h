#pragma once
// The wheel of the wheel sets drawn away from the window: into an image
// (the window's options) or onto a printer page (the printer's). Each
// fills the display sets and reads the orbs first, as a paint does.
#include <QImage>
#include <QSize>

#include "state/app_state.h"

class QPainter;
class QPagedPaintDevice;

namespace halcyra {

// An opaque white image of `pixels` to draw the wheel on: with no alpha it
// stays white wherever it is flattened (a BMP, the clipboard, a printout).
QImage BlankWheelImage(const QSize& pixels, qreal devicePixelRatio = 1);
// The window's picture at `size` pixels, white where nothing is drawn.
QImage RenderWheelImage(AppState& state, const QSize& size);
// Draws the wheel on a painter's device rectangle with the window's options.
void PaintWheelOnWindow(AppState& state, QPainter& painter, const QSizeF& size);
// The full-page wheel on the printer's (or a PDF's) current page, through
// a painter active on it: the page's printable width spans the wheel's
// +-StartScale, with the printer's options, radius factor, captions and the
// PERSONAL.NAM footer.
void PrintWheelPage(AppState& state, QPainter& painter, QPagedPaintDevice& printer);

}  // namespace halcyra
