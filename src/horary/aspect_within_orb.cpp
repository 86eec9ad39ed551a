#include "horary/aspect_within_orb.h"

#include <cmath>

#include "state/points.h"

namespace halcyra {

namespace {

// Option line of each planet's moiety, by point number 1..10.
constexpr int kMoietyOption[] = {0, 34, 36, 37, 38, 39, 40, 41, 42, 43, 35};

}  // namespace

double HoraryMoiety(const OptionTables& options, int point) {
  if (point < Sun || point > Moon) return 0;
  return options.OptionValues[kMoietyOption[point]];
}

OrbTest TestAspectWithinOrb(const OptionTables& options, int first, int second, double separation) {
  const double orbSum = HoraryMoiety(options, first) + HoraryMoiety(options, second);
  const bool conjunctionOnly = first == NorthNode || first == PartOfFortune || second == NorthNode ||
                               second == PartOfFortune;
  OrbTest result;
  if (!conjunctionOnly) {
    constexpr struct {
      int code;
      double angle;
    } kWindows[] = {{SextileCode, 60}, {SquareCode, 90}, {TrineCode, 120}};
    for (const auto& w : kWindows) {
      if (w.angle - orbSum < separation && separation < w.angle + orbSum) {
        result.code = w.code;
        result.signedOrb = separation - w.angle;
        break;
      }
    }
    if (result.code == NoAspectCode && separation > 180 - orbSum) {
      result.code = OppositeCode;
      result.signedOrb = separation - 180;
    }
  }
  if (result.code == NoAspectCode && separation < orbSum) {
    result.code = ConjunctCode;
    result.signedOrb = separation;
  }
  if (result.code != NoAspectCode) result.roundedOrb = std::floor((std::fabs(result.signedOrb) + 0.05) * 10) / 10;
  return result;
}

ArcSide ArcSideOf(double diff) {
  if ((0 < diff && diff < 180) || diff < -180) return ArcSide::Ahead;
  if ((-180 < diff && diff < 0) || diff > 180) return ArcSide::Behind;
  return ArcSide::Neither;
}

OrbPhase OrbPhaseOf(double signedOrb) {
  if (signedOrb < -PartileTolerance) return OrbPhase::ShortOfExact;
  if (signedOrb > PartileTolerance) return OrbPhase::PastExact;
  return OrbPhase::Partile;
}

AspectCourse AspectCourseOf(ArcSide side, OrbPhase phase) {
  if (phase == OrbPhase::Partile || side == ArcSide::Neither) return AspectCourse::Neither;
  return (phase == OrbPhase::ShortOfExact) == (side == ArcSide::Ahead) ? AspectCourse::Closing
                                                                       : AspectCourse::Opening;
}

}  // namespace halcyra
