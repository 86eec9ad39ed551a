#include "wheels/aspect_lines.h"

#include <cmath>

#include "core/angle_helpers.h"
#include "platform/qb_palette.h"
#include "reports/aspect_finder.h"
#include "state/shared_tables.h"

namespace halcyra {

namespace {
constexpr int ParallelCode = 7;  // chords start at the sextile: no conjunctions
constexpr double ChordWidth = 0.7;
}  // namespace

int ChordAspect(double longA, double longB, const std::array<float, OrbCount + 1>& aspectOrb) {
  const double separation = LongitudeSeparation(longA, longB);
  int best = 1;
  double bestDistance = 0;
  for (int code = 3; code <= 16; ++code) {
    if (code == ParallelCode) continue;
    const double distance = std::fabs(separation - AspectAngle[static_cast<size_t>(code)]);
    if (distance <= aspectOrb[static_cast<size_t>(code - 1)] && (best == 1 || distance < bestDistance)) {
      best = code;
      bestDistance = distance;
    }
  }
  return best;
}

unsigned AspectFamilyColour(int code) {
  switch (code) {
    case 3: case 5: return QBColorRgb(9);                    // sextile, trine
    case 4: case 6: case 9: case 10: return QBColorRgb(12);  // square, opposition, semi- and sesquisquare
    case 8: case 11: return QBColorRgb(2);                   // semi-sextile, quincunx
    default: return QBColorRgb(13);                          // the quintile family
  }
}

std::vector<WheelItem> SingleWheelAspectLines(const PointArray& longitudes, const PointArray& glyphAngles,
                                              const std::array<bool, NumPoints + 1>& drawn,
                                              const std::array<float, OrbCount + 1>& aspectOrb, double radius) {
  std::vector<WheelItem> lines;
  for (int a = 1; a <= NumPoints; ++a) {
    if (!drawn[static_cast<size_t>(a)]) continue;
    for (int b = a + 1; b <= NumPoints; ++b) {
      if (!drawn[static_cast<size_t>(b)]) continue;
      const int code = ChordAspect(longitudes[a], longitudes[b], aspectOrb);
      if (code == 1) continue;
      const double angleA = glyphAngles[a], angleB = glyphAngles[b];
      lines.push_back(LineItem{radius * CosDeg(angleA), radius * SinDeg(angleA), radius * CosDeg(angleB),
                               radius * SinDeg(angleB), AspectFamilyColour(code), ChordWidth});
    }
  }
  return lines;
}

}  // namespace halcyra
