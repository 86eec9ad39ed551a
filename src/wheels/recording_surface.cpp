#include "wheels/recording_surface.h"

#include <cstdio>

namespace halcyra {

RecordingSurface::RecordingSurface(WheelArea area) : area_(area) {}

double RecordingSurface::TextWidth(const WheelText& text, const FontSpec& font) const {
  return static_cast<double>(text.text.size()) * font.size * (text.glyphCodes ? 1.0 : 0.6);
}

double RecordingSurface::TextHeight(const FontSpec& font) const { return 1.2 * font.size; }

namespace {

template <typename Item>
std::vector<Item> ItemsOf(const std::vector<WheelItem>& items) {
  std::vector<Item> found;
  for (const WheelItem& item : items)
    if (const Item* it = std::get_if<Item>(&item)) found.push_back(*it);
  return found;
}

std::string Format(const char* pattern, double a, double b, double c = 0, double d = 0) {
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, pattern, a, b, c, d);
  return buffer;
}

std::string Colour(unsigned rgb) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "#%06x", rgb);
  return buffer;
}

}  // namespace

std::vector<TextItem> RecordingSurface::Texts() const { return ItemsOf<TextItem>(items); }
std::vector<LineItem> RecordingSurface::Lines() const { return ItemsOf<LineItem>(items); }
std::vector<CircleItem> RecordingSurface::Circles() const { return ItemsOf<CircleItem>(items); }

std::vector<std::string> RecordingSurface::Log() const {
  std::vector<std::string> log;
  for (const WheelItem& item : items) {
    if (const auto* t = std::get_if<TextItem>(&item)) {
      log.push_back("text " + t->text.Describe() + Format(" at (%.2f, %.2f) ", t->x, t->y) + t->font.face +
                    Format(" %g", t->font.size, 0) + (t->font.bold ? " bold " : " ") + Colour(t->colour));
    } else if (const auto* l = std::get_if<LineItem>(&item)) {
      log.push_back(Format("line (%.2f, %.2f)-", l->x1, l->y1) + Format("(%.2f, %.2f) ", l->x2, l->y2) +
                    Colour(l->colour) + Format(" width %g", l->width, 0));
    } else if (const auto* c = std::get_if<CircleItem>(&item)) {
      log.push_back(Format("circle (%.2f, %.2f) radius %.2f ", c->x, c->y, c->radius) + Colour(c->colour) +
                    (c->fill ? " fill " + Colour(*c->fill) : std::string()));
    }
  }
  return log;
}

}  // namespace halcyra
