#include "core/declinations.h"

#include <cmath>

#include "core/angle_helpers.h"
#include "core/chart_time.h"

namespace halcyra {

double EclipticDeclination(double longitude, double obliquityRad) {
  const double sinL = SinDeg(longitude);
  return RectToSpherical(CosDeg(longitude), std::cos(obliquityRad) * sinL,
                         std::sin(obliquityRad) * sinL)
      .latitude;
}

void CalcDeclinations(ChartSet& set, double obliquityRad) {
  for (int point : {NorthNode, PartOfFortune, Ascendant, Midheaven})
    set.Decl[point] = EclipticDeclination(set.Long[point], obliquityRad);
  set.Decl[Lilith] = 0;
  for (int point = FirstHousePoint; point <= LastHousePoint; ++point)
    set.Decl[point] = EclipticDeclination(set.Long[point], obliquityRad);
}

double CalcAntiscion(double longitude) {
  // Aries-Virgo, Taurus-Leo, Gemini-Cancer, Libra-Pisces, Scorpio-Aquarius,
  // Sagittarius-Capricorn exchange places
  static constexpr int kMirrorSign[13] = {0, 6, 5, 4, 3, 2, 1, 12, 11, 10, 9, 8, 7};
  const double l = NormalizeDegrees(longitude);
  if (!std::isfinite(l)) return l;
  const int sign = WholeOf(Int(l) / 30) + 1;
  double inSign = l;
  while (inSign >= 30) inSign -= 30;
  const int mirrored = sign >= 1 && sign <= 12 ? kMirrorSign[sign] : sign;
  // a point at 0 of a sign mirrors onto the next sign's start, and 0 Libra
  // onto 360, which is 0 Aries
  return NormalizeDegrees(30.0 * (mirrored - 1) + (30 - inSign));
}

double CalcAscFromRamc(double ramcDeg, double obliquityDeg, double latitudeRad) {
  return AscendantFromRamc(DegToRad(ramcDeg), DegToRad(obliquityDeg), latitudeRad);
}

DirectedAngles CalcSolarArcAngles(double natalMidheaven, double arc, double obliquityDeg, double latitudeRad) {
  DirectedAngles angles;
  angles.Midheaven = NormalizeDegrees(natalMidheaven + arc);
  const double ramcDeg = CalcQuadrantAngle(angles.Midheaven, obliquityDeg);
  angles.Ascendant = CalcAscFromRamc(ramcDeg, obliquityDeg, latitudeRad);
  return angles;
}

}  // namespace halcyra
