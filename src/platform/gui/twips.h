#pragma once
// Twips, the unit of every stored window position and size: 1440 per inch,
// so 15 per pixel on a 96 dpi screen.
namespace halcyra {

// Twips per pixel of the primary screen's logical dpi, a whole number
// (15 at 96 dpi, 12 at 120 dpi); 15 when there is no screen.
int TwipsPerPixelX();
int TwipsPerPixelY();

int PixelsFromTwipsX(double twips);
int PixelsFromTwipsY(double twips);
double TwipsFromPixelsX(int pixels);
double TwipsFromPixelsY(int pixels);

// The twips to record for a window coordinate of `pixels`: `stored` while it
// still gives that pixel, so a window that did not move keeps the exact
// value it was given.
double RecordedTwipsX(double stored, int pixels);
double RecordedTwipsY(double stored, int pixels);

// The primary screen's size in pixels (0 when there is no screen).
int ScreenWidthPixels();
int ScreenHeightPixels();

}  // namespace halcyra
