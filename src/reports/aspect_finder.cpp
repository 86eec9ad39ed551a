#include "reports/aspect_finder.h"

#include <cmath>

#include "reports/report_names.h"

namespace halcyra {

namespace {

// Aspect codes in testing order.
constexpr int kTestOrder[] = {3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 2};

bool IsQuintileFamily(int code) { return code >= 12 && code <= 16; }

}  // namespace

double LongitudeSeparation(double longA, double longB) {
  double s = std::abs(longA - longB);
  if (s > 180) s = 360 - s;
  return s;
}

AspectFound FindAspect(double longA, double longB, const OptionTables& options) {
  const double separation = LongitudeSeparation(longA, longB);
  const float s = static_cast<float>(separation);
  const bool quintiles = options.OptionValues[16] == 1.0f;
  AspectFound found;
  for (int code : kTestOrder) {
    if (IsQuintileFamily(code) && !quintiles) continue;
    const float orb = options.OptionValues[code - 1];
    const float angle = static_cast<float>(AngleOfAspect(code));
    bool holds;
    if (code == 2) holds = s <= orb;
    else if (code == 6) holds = s >= angle - orb;
    else holds = s >= angle - orb && s <= angle + orb;
    if (holds) {
      found.code = code;
      found.orb = std::abs(separation - AngleOfAspect(code));
    }
  }
  return found;
}

ParallelFound FindParallel(double declA, double declB, const OptionTables& options) {
  ParallelFound found;
  const double d = std::abs(std::abs(declA) - std::abs(declB));
  if (static_cast<float>(d) > options.OptionValues[6]) return found;
  const bool sameSide = (declA < 0) == (declB < 0);
  found.kind = sameSide ? DeclinationAspect::Parallel : DeclinationAspect::ContraParallel;
  found.orb = d;
  return found;
}

}  // namespace halcyra
