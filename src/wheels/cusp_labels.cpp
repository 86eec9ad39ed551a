#include "wheels/cusp_labels.h"

#include "core/angle_helpers.h"
#include "wheels/label_column.h"

namespace halcyra {

namespace {

// The rim radius of the labels that follow their cusps.
constexpr double FollowingLabelRadius = 236 * 0.91984662;

WheelText Digit(int value) { return WheelText::Plain(std::string(1, static_cast<char>('0' + value))); }

}  // namespace

double EuropeanCuspAngle(const CuspTable& cuspRing, int entry) {
  double angle = cuspRing[entry] - cuspRing[10];
  if (angle < 0) angle += 360;
  if (angle >= 360) angle -= 360;
  return angle;
}

std::vector<TextItem> CuspLabels(const CuspTable& cuspDisplayLon, const CuspTable& cuspRing, bool europeanSingle,
                                 const CuspLabelTable& layout, const SurfaceTwin& twin) {
  std::vector<TextItem> items;
  for (int c = 1; c <= 12; ++c) {
    const SignDegMin split = SplitSignDegMin(cuspDisplayLon[c]);
    const WheelText texts[5] = {Digit(split.degrees / 10), Digit(split.degrees % 10),
                                WheelText::Glyph(SignGlyphBase + split.sign), Digit(split.minutes / 10),
                                Digit(split.minutes % 10)};
    const LabelStyle* styles[5] = {&twin.cuspDegrees, &twin.cuspDegrees, &twin.cuspSign, &twin.cuspMinutes,
                                   &twin.cuspMinutes};
    double x[5], y[5];
    if (!europeanSingle || c == 4 || c == 10) {
      for (int i = 0; i < 5; ++i) {
        x[i] = layout[static_cast<size_t>(10 * (c - 1) + 2 * i)];
        y[i] = layout[static_cast<size_t>(10 * (c - 1) + 2 * i + 1)];
      }
    } else {
      const double angle = EuropeanCuspAngle(cuspRing, c);
      double x0 = FollowingLabelRadius * CosDeg(angle) + 4;
      if ((angle > 80 && angle < 100) || (angle > 260 && angle < 280))
        x0 -= twin.europeanTopBottomShift;
      else if (angle >= 100 && angle <= 260)
        x0 -= twin.europeanLeftShift;
      const double y0 = FollowingLabelRadius * SinDeg(angle) + 4;
      for (int i = 0; i < 5; ++i) {
        x[i] = x0 + twin.europeanOffsets[static_cast<size_t>(i)];
        y[i] = y0;
      }
    }
    for (int i = 0; i < 5; ++i)
      items.push_back({x[i], y[i], texts[i], FontSpec{styles[i]->size, i < 2}, styles[i]->colour});
  }
  return items;
}

}  // namespace halcyra
