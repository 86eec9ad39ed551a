#include "wheels/ui/painter_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

#include "platform/gui/glyph_font.h"

namespace halcyra {

namespace {
QColor Colour(unsigned rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }
}  // namespace

QString WheelQString(const WheelText& text) {
  if (!text.glyphCodes) return QString::fromLatin1(text.text.data(), static_cast<qsizetype>(text.text.size()));
  QString glyphs;
  for (unsigned char code : text.text) glyphs += GlyphText(code);
  return glyphs;
}

PainterSurface::PainterSurface(QPainter& painter, const QRectF& device, const WheelArea& area, double unitsPerPoint)
    : painter_(painter), device_(device), area_(area), unitsPerPoint_(unitsPerPoint) {
  scale_ = area.ScaleHeight != 0 ? device.height() / std::fabs(area.ScaleHeight) : 1;
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

WheelArea PainterSurface::WindowArea(const QSizeF& size, double startScale) {
  const double height = 2 * startScale;
  const double width = size.height() > 0 ? size.width() * height / size.height() : height;
  return {-width / 2, startScale, width, -height};
}

WheelArea PainterSurface::PageArea(const QSizeF& sizePoints, double startScale, double* unitsPerPoint) {
  const double width = 2 * startScale;
  const double perPoint = sizePoints.width() > 0 ? width / sizePoints.width() : 1;
  if (unitsPerPoint) *unitsPerPoint = perPoint;
  const double height = sizePoints.height() * perPoint;
  return {-width / 2, height / 2, width, -height};
}

QPointF PainterSurface::ToDevice(double x, double y) const {
  return {device_.left() + (x - area_.ScaleLeft) * scale_, device_.top() + (area_.ScaleTop - y) * scale_};
}

QFont PainterSurface::DeviceFont(const FontSpec& font) const {
  QFont f(QString::fromStdString(font.face));
  const double pixels = font.size * unitsPerPoint_ * scale_;
  const int dpi = painter_.device() ? painter_.device()->logicalDpiY() : 96;
  f.setPointSizeF(std::max(pixels * 72.0 / dpi, 0.1));
  f.setBold(font.bold);
  return f;
}

double PainterSurface::TextWidth(const WheelText& text, const FontSpec& font) const {
  const QFontMetricsF metrics(DeviceFont(font), painter_.device());
  return metrics.horizontalAdvance(WheelQString(text)) / scale_;
}

double PainterSurface::TextHeight(const FontSpec& font) const {
  const QFontMetricsF metrics(DeviceFont(font), painter_.device());
  return metrics.height() / scale_;
}

void PainterSurface::Draw(const WheelItem& item) {
  if (const auto* text = std::get_if<TextItem>(&item)) {
    const QFont font = DeviceFont(text->font);
    const QFontMetricsF metrics(font, painter_.device());
    painter_.setFont(font);
    painter_.setPen(Colour(text->colour));
    const QPointF topLeft = ToDevice(text->x, text->y);
    painter_.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), WheelQString(text->text));
  } else if (const auto* line = std::get_if<LineItem>(&item)) {
    painter_.setPen(QPen(Colour(line->colour), line->width * scale_, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(ToDevice(line->x1, line->y1), ToDevice(line->x2, line->y2));
  } else if (const auto* circle = std::get_if<CircleItem>(&item)) {
    painter_.setPen(circle->width > 0 ? QPen(Colour(circle->colour), circle->width * scale_) : QPen(Qt::NoPen));
    painter_.setBrush(circle->fill ? QBrush(Colour(*circle->fill)) : QBrush(Qt::NoBrush));
    const double r = circle->radius * scale_;
    painter_.drawEllipse(ToDevice(circle->x, circle->y), r, r);
  }
}

}  // namespace halcyra
