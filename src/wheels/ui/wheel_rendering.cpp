#include "wheels/ui/wheel_rendering.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <new>

#include "shell/ui/print_target.h"
#include "wheels/ui/painter_surface.h"
#include "wheels/wheel_frame.h"
#include "wheels/wheel_paint_state.h"

namespace halcyra {

void PaintWheelOnWindow(AppState& state, QPainter& painter, const QSizeF& size) {
  PainterSurface surface(painter, QRectF(QPointF(0, 0), size), PainterSurface::WindowArea(size, state.ini.StartScale),
                         1.0);
  PaintWheelFromState(state, surface, false);
}

QImage BlankWheelImage(const QSize& pixels, qreal devicePixelRatio) {
  QImage image(pixels, QImage::Format_RGB32);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(QColor::fromRgb(WheelFrameStyle.background));
  return image;
}

QImage RenderWheelImage(AppState& state, const QSize& size) {
  GetProperPlanets(state);
  ReloadWheelOrbs(state);
  QImage image = BlankWheelImage(size);
  // Qt hands back an empty picture when it has no memory for one: a print or
  // a saved picture without the wheel would look like success (a picture of
  // no size is empty by right)
  if (image.isNull() && !size.isEmpty()) throw std::bad_alloc();
  QPainter painter(&image);
  PaintWheelOnWindow(state, painter, QSizeF(size));
  return image;
}

void PrintWheelPage(AppState& state, QPainter& painter, QPagedPaintDevice& printer) {
  GetProperPlanets(state);
  ReloadWheelOrbs(state);
  const QRectF page = PrintableRect(printer);
  const QSizeF pagePoints = printer.pageLayout().paintRect(QPageLayout::Point).size();
  double unitsPerPoint = 1;
  const WheelArea area = PainterSurface::PageArea(pagePoints, state.ini.StartScale, &unitsPerPoint);
  PainterSurface surface(painter, QRectF(QPointF(0, 0), page.size()), area, unitsPerPoint);
  state.wheel.PrintingWheel = 1;
  PaintWheelFromState(state, surface, true);
  state.wheel.PrintingWheel = 0;
}

}  // namespace halcyra
