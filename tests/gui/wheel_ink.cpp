#include "wheel_ink.h"

#include <QPainter>
#include <cmath>
#include <cstdio>

#include "wheels/ui/painter_surface.h"
#include "wheels/wheel_paint_state.h"

// The wheel tests' charts, compiled into this program as well.
#include "wheels/wheel_fixture.cpp"

namespace halcyra::testing {

namespace {

// Measures and draws with Qt, and keeps every item drawn.
class KeepingSurface : public DrawingSurface {
 public:
  explicit KeepingSurface(PainterSurface& inner) : inner_(inner) {}
  WheelArea Area() const override { return inner_.Area(); }
  double TextWidth(const WheelText& t, const FontSpec& f) const override { return inner_.TextWidth(t, f); }
  double TextHeight(const FontSpec& f) const override { return inner_.TextHeight(f); }
  void Draw(const WheelItem& item) override {
    items.push_back(item);
    inner_.Draw(item);
  }
  std::vector<WheelItem> items;

 private:
  PainterSurface& inner_;
};

constexpr int InkAlpha = 128;

std::string Describe(const TextItem& t) {
  char at[64];
  std::snprintf(at, sizeof at, " at (%.1f, %.1f)", t.x, t.y);
  return t.text.Describe() + at;
}

}  // namespace

InkPicture WheelInk(AppState& state, bool printer, double pixelsPerUnit) {
  WheelArea area;
  double unitsPerPoint = 1;
  if (printer) {
    area = PainterSurface::PageArea(QSizeF(576, 756), state.ini.StartScale, &unitsPerPoint);  // Letter, 1/4 inch margins
  } else {
    area = PainterSurface::WindowArea(QSizeF(4, 3), state.ini.StartScale);
  }
  const QSizeF size(area.ScaleWidth * pixelsPerUnit, -area.ScaleHeight * pixelsPerUnit);
  QImage page(size.toSize(), QImage::Format_ARGB32_Premultiplied);
  page.fill(Qt::white);
  InkPicture picture;
  picture.pixelsPerUnit = pixelsPerUnit;
  picture.centre = QPointF(-area.ScaleLeft * pixelsPerUnit, area.ScaleTop * pixelsPerUnit);
  {
    QPainter painter(&page);
    PainterSurface surface(painter, QRectF(QPointF(0, 0), size), area, unitsPerPoint);
    KeepingSurface keeping(surface);
    GetProperPlanets(state);
    PaintWheelFromState(state, keeping, printer);
    picture.items = keeping.items;
  }
  for (const WheelItem& item : picture.items) {
    const auto* text = std::get_if<TextItem>(&item);
    if (!text) continue;
    // The text alone on a clear sheet round its place, with room for strokes beyond its cell.
    const double em = text->font.size * unitsPerPoint * pixelsPerUnit;
    const QPointF topLeft((text->x - area.ScaleLeft) * pixelsPerUnit, (area.ScaleTop - text->y) * pixelsPerUnit);
    const QRect sheet = QRectF(topLeft - QPointF(em, em), QSizeF(em * (text->text.text.size() + 2), em * 3))
                            .toAlignedRect();
    QImage alone(sheet.size(), QImage::Format_ARGB32_Premultiplied);
    alone.fill(Qt::transparent);
    {
      QPainter painter(&alone);
      PainterSurface surface(painter, QRectF(QPointF(-sheet.left(), -sheet.top()), size), area, unitsPerPoint);
      surface.Draw(*text);
    }
    QRect bounds;
    for (int y = 0; y < alone.height(); ++y)
      for (int x = 0; x < alone.width(); ++x)
        if (qAlpha(alone.pixel(x, y)) >= InkAlpha) bounds |= QRect(x, y, 1, 1);
    if (bounds.isEmpty()) continue;
    picture.texts.push_back({*text, bounds.translated(sheet.topLeft()), alone.copy(bounds)});
  }
  return picture;
}

std::vector<std::string> InkOverlaps(const InkPicture& picture) {
  std::vector<std::string> found;
  const auto& texts = picture.texts;
  for (size_t i = 0; i < texts.size(); ++i) {
    for (size_t j = i + 1; j < texts.size(); ++j) {
      const QRect common = texts[i].bounds & texts[j].bounds;
      if (common.isEmpty()) continue;
      int shared = 0;
      for (int y = common.top(); y <= common.bottom(); ++y)
        for (int x = common.left(); x <= common.right(); ++x) {
          const QPoint a = QPoint(x, y) - texts[i].bounds.topLeft(), b = QPoint(x, y) - texts[j].bounds.topLeft();
          if (qAlpha(texts[i].mask.pixel(a)) >= InkAlpha && qAlpha(texts[j].mask.pixel(b)) >= InkAlpha) ++shared;
        }
      if (shared >= 2) found.push_back(Describe(texts[i].item) + " / " + Describe(texts[j].item));
    }
  }
  return found;
}

std::vector<std::string> InkOnFrame(const InkPicture& picture, bool lines) {
  std::vector<std::string> found;
  const double ppu = picture.pixelsPerUnit;
  for (const TextInk& ink : picture.texts) {
    std::string hit;
    int hits = 0;
    for (int y = 0; y < ink.mask.height() && hits < 2; ++y)
      for (int x = 0; x < ink.mask.width() && hits < 2; ++x) {
        if (qAlpha(ink.mask.pixel(x, y)) < InkAlpha) continue;
        const double ux = (ink.bounds.left() + x + 0.5 - picture.centre.x()) / ppu;
        const double uy = (picture.centre.y() - ink.bounds.top() - y - 0.5) / ppu;
        for (const WheelItem& item : picture.items) {
          if (const auto* c = std::get_if<CircleItem>(&item)) {
            if (c->width <= 0) continue;
            if (std::fabs(std::hypot(ux - c->x, uy - c->y) - c->radius) < c->width / 2) {
              ++hits, hit = "circle " + std::to_string(static_cast<int>(c->radius));
              break;
            }
          } else if (const auto* l = std::get_if<LineItem>(&item); l && lines) {
            const double dx = l->x2 - l->x1, dy = l->y2 - l->y1;
            const double t = std::clamp(((ux - l->x1) * dx + (uy - l->y1) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
            if (std::hypot(ux - (l->x1 + t * dx), uy - (l->y1 + t * dy)) < l->width / 2) {
              ++hits, hit = "line at " + std::to_string(static_cast<int>(std::atan2(dy, dx) * 180 / 3.14159265));
              break;
            }
          }
        }
      }
    if (hits >= 2) found.push_back(Describe(ink.item) + " on " + hit);
  }
  return found;
}

}  // namespace halcyra::testing
