#include "shell/ui/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRect>
#include <cmath>

#include "state/shared_tables.h"

namespace halcyra {

void PaintSkyArtwork(QPainter& painter, const QRect& area) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(area.topLeft(), area.bottomLeft());
  sky.setColorAt(0, QColor(8, 12, 40));
  sky.setColorAt(1, QColor(40, 24, 80));
  painter.fillRect(area, sky);

  // A fixed scatter of stars: a small congruential sequence keeps them in place.
  unsigned seed = 20240611u;
  auto next = [&seed]() {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) & 0xFFFFu;
  };
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 140; ++i) {
    const double x = area.left() + area.width() * (next() / 65535.0);
    const double y = area.top() + area.height() * (next() / 65535.0);
    const double r = 0.4 + 1.4 * (next() / 65535.0);
    painter.setBrush(QColor(255, 255, 230, 120 + static_cast<int>(next() % 135)));
    painter.drawEllipse(QPointF(x, y), r, r);
  }

  // The zodiac ring: twelve sectors with their abbreviations.
  const QPointF centre = QRectF(area).center();
  const double outer = std::min(area.width(), area.height()) * 0.38;
  const double inner = outer * 0.78;
  QRadialGradient glow(centre, outer * 1.3);
  glow.setColorAt(0, QColor(255, 214, 120, 70));
  glow.setColorAt(1, QColor(255, 214, 120, 0));
  painter.setBrush(glow);
  painter.drawEllipse(centre, outer * 1.3, outer * 1.3);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(240, 205, 120), 2));
  painter.drawEllipse(centre, outer, outer);
  painter.drawEllipse(centre, inner, inner);
  QFont font = painter.font();
  font.setPointSizeF(std::max(6.0, outer / 14));
  painter.setFont(font);
  for (int sign = 0; sign < 12; ++sign) {
    const double a = sign * 30 * 3.1415926535 / 180;
    painter.drawLine(QPointF(centre.x() + inner * std::cos(a), centre.y() - inner * std::sin(a)),
                     QPointF(centre.x() + outer * std::cos(a), centre.y() - outer * std::sin(a)));
    const double mid = (sign * 30 + 15) * 3.1415926535 / 180;
    const double r = (inner + outer) / 2;
    const QString label = QString::fromLatin1(PackedField(SignAbbrevs, 3, sign + 1).data(), 3);
    const QPointF at(centre.x() + r * std::cos(mid), centre.y() - r * std::sin(mid));
    painter.drawText(QRectF(at.x() - 20, at.y() - 10, 40, 20), Qt::AlignCenter, label);
  }
  // A crescent in the middle.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(250, 240, 200));
  painter.drawEllipse(centre, inner * 0.35, inner * 0.35);
  painter.setBrush(QColor(20, 18, 60));
  painter.drawEllipse(centre + QPointF(inner * 0.14, -inner * 0.06), inner * 0.31, inner * 0.31);
  painter.restore();
}

}  // namespace halcyra
