#pragma once
// The wheel drawn with a QPainter: on the window's back buffer, on an
// image, or on a printer page. Wheel units map onto a device rectangle with
// one scale both ways; font sizes in points become wheel units by a factor
// of the surface (one unit a point on the window, whatever its size; on the
// printer a point of the paper), so a text keeps its size beside the wheel.
#include <QFont>
#include <QRectF>
#include <QString>

#include "wheels/wheel_items.h"

class QPainter;
class QPaintDevice;

namespace halcyra {

class PainterSurface : public DrawingSurface {
 public:
  // `device`: where `area` of the wheel plane is drawn, in device pixels.
  PainterSurface(QPainter& painter, const QRectF& device, const WheelArea& area, double unitsPerPoint);

  // The window's area: its height spans +-startScale units round the centre.
  static WheelArea WindowArea(const QSizeF& size, double startScale);
  // A page's area: its width spans +-startScale units round the centre; a
  // point of the paper is 1 / unitsPerPoint units.
  static WheelArea PageArea(const QSizeF& sizePoints, double startScale, double* unitsPerPoint);

  WheelArea Area() const override { return area_; }
  double TextWidth(const WheelText& text, const FontSpec& font) const override;
  double TextHeight(const FontSpec& font) const override;
  void Draw(const WheelItem& item) override;

 private:
  QPointF ToDevice(double x, double y) const;
  QFont DeviceFont(const FontSpec& font) const;

  QPainter& painter_;
  QRectF device_;
  WheelArea area_;
  double unitsPerPoint_;
  double scale_;  // device pixels per wheel unit
};

// Glyph codes of the font as the characters U+F000 + code; plain text as Latin-1.
QString WheelQString(const WheelText& text);

}  // namespace halcyra
