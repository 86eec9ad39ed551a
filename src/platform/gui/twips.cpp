#include "platform/gui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace halcyra {

namespace {

QScreen* Primary() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen()
                                                                      : nullptr;
}

int TwipsPerPixelFor(double dpi) {
  if (dpi <= 0) return 15;
  const int twips = static_cast<int>(std::lround(1440.0 / dpi));
  return twips > 0 ? twips : 1;
}

}  // namespace

int TwipsPerPixelX() {
  QScreen* screen = Primary();
  return screen ? TwipsPerPixelFor(screen->logicalDotsPerInchX()) : 15;
}

int TwipsPerPixelY() {
  QScreen* screen = Primary();
  return screen ? TwipsPerPixelFor(screen->logicalDotsPerInchY()) : 15;
}

int PixelsFromTwipsX(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelX())); }
int PixelsFromTwipsY(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelY())); }
double TwipsFromPixelsX(int pixels) { return static_cast<double>(pixels) * TwipsPerPixelX(); }
double TwipsFromPixelsY(int pixels) { return static_cast<double>(pixels) * TwipsPerPixelY(); }

double RecordedTwipsX(double stored, int pixels) {
  return PixelsFromTwipsX(stored) == pixels ? stored : TwipsFromPixelsX(pixels);
}

double RecordedTwipsY(double stored, int pixels) {
  return PixelsFromTwipsY(stored) == pixels ? stored : TwipsFromPixelsY(pixels);
}

int ScreenWidthPixels() {
  QScreen* screen = Primary();
  return screen ? screen->geometry().width() : 0;
}

int ScreenHeightPixels() {
  QScreen* screen = Primary();
  return screen ? screen->geometry().height() : 0;
}

}  // namespace halcyra
