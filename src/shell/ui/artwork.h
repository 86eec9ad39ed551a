#pragma once
// The program's own picture for the cover and title windows: a night sky
// with the zodiac ring, drawn rather than loaded so no picture file ships.
class QPainter;
class QRect;

namespace halcyra {

void PaintSkyArtwork(QPainter& painter, const QRect& area);

}  // namespace halcyra
