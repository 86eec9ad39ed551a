#include "wheels/wheel_frame.h"

#include "core/angle_helpers.h"
#include "state/shared_tables.h"
#include "wheels/cusp_labels.h"

namespace halcyra {

namespace {

// Houses 1, 4, 7 and 10 open on the horizon and the meridian.
bool IsAngularHouse(int house) { return house % 3 == 1; }

LineItem Radial(double angle, double from, double to, unsigned colour, double width) {
  return {from * CosDeg(angle), from * SinDeg(angle), to * CosDeg(angle), to * SinDeg(angle), colour, width};
}

CircleItem Disc(double radius, unsigned fill) {
  return {0, 0, radius, fill, 0, fill};
}

CircleItem Ring(double radius) {
  return {0, 0, radius, WheelFrameStyle.circle, WheelFrameStyle.circleWidth, std::nullopt};
}

// The middle of the arc from one angle counter-clockwise to the next.
double MiddleAngle(double from, double to) {
  double span = to - from;
  if (span <= 0) span += 360;
  return NormalizeDegrees(from + span / 2);
}

}  // namespace

double AmericanSectorEdge(int house) {
  // The horizon and the meridian exactly; every other line halfway across
  // the gap between the label columns of the last slot of the house before
  // and the first slot of the house, on both rings, with the shipped font
  // and options (tools/make_drawing_tables.py centres the cusp labels on
  // the same lines).
  static constexpr std::array<double, 13> edges = {0,   180, 209.0, 238.65, 270, 300.7, 331.15,
                                                   0,   28.2, 59.2, 90,     121.0, 151.6};
  return house >= 1 && house <= 12 ? edges[static_cast<size_t>(house)] : 0;
}

std::array<double, 13> HouseLineAngles(const CuspTable& cuspRing, bool europeanSingle) {
  std::array<double, 13> angles{};
  for (int h = 1; h <= 12; ++h)
    angles[static_cast<size_t>(h)] =
        europeanSingle ? EuropeanCuspAngle(cuspRing, CuspEntryOfHouse(h)) : AmericanSectorEdge(h);
  return angles;
}

std::vector<WheelItem> WheelFrame(const CuspTable& cuspRing, int wheelKind, bool europeanSingle, bool whiteRingFill,
                                  const TextMetrics& metrics) {
  const FrameRadii& r = WheelFrameRadii;
  const FrameStyle& style = WheelFrameStyle;
  const bool dual = wheelKind == 2;
  auto fill = [&](unsigned colour) { return whiteRingFill ? 0xFFFFFFu : colour; };
  const double linesFrom = dual ? r.dualInner : r.singleInner;
  const double numbersFrom = dual ? r.dualCentre : r.singleAspect;

  std::vector<WheelItem> items;
  items.push_back(Disc(r.rim, fill(style.labelBand)));
  items.push_back(Disc(r.planetBand, fill(style.planetRing)));
  if (dual) items.push_back(Disc(r.dualSeparator, fill(style.innerRing)));
  items.push_back(Disc(linesFrom, fill(style.houseNumberRing)));
  items.push_back(Disc(numbersFrom, fill(style.centre)));

  const std::array<double, 13> edges = HouseLineAngles(cuspRing, europeanSingle);
  for (int h = 1; h <= 12; ++h) {
    const double angle = edges[static_cast<size_t>(h)];
    const bool axis = IsAngularHouse(h);
    items.push_back(Radial(angle, numbersFrom, r.planetBand, axis ? style.axis : style.cuspLine,
                           axis ? style.axisWidth : style.cuspLineWidth));
    items.push_back(Radial(angle, r.rim, r.rim + style.markLength, axis ? style.axis : style.circle,
                           axis ? style.axisWidth : style.circleWidth));
  }
  for (double radius : {r.rim, r.planetBand, linesFrom, numbersFrom}) items.push_back(Ring(radius));
  if (dual) items.push_back(Ring(r.dualSeparator));

  // The house numbers, centred in their ring halfway between the house's lines.
  const FontSpec font{style.houseNumberSize, false};
  const double numberRadius = (numbersFrom + linesFrom) / 2;
  const double height = metrics.TextHeight(font);
  for (int h = 1; h <= 12; ++h) {
    const double middle = MiddleAngle(edges[static_cast<size_t>(h)], edges[static_cast<size_t>(h == 12 ? 1 : h + 1)]);
    const WheelText number = WheelText::Plain(std::to_string(h));
    const double width = metrics.TextWidth(number, font);
    items.push_back(TextItem{numberRadius * CosDeg(middle) - width / 2, numberRadius * SinDeg(middle) + height / 2,
                             number, font, style.houseNumber});
  }
  return items;
}

}  // namespace halcyra
