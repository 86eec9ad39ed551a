#include "core/declinations.h"

#include <cmath>

#include "core/angle_helpers.h"
#include "core/chart_time.h"
#include "state/app_state.h"

namespace halcyra {

double EclipticDeclination(double longitude, double obliquityRad) {
  const double sinL = SinDeg(longitude);
  return RectToSpherical(CosDeg(longitude), std::cos(obliquityRad) * sinL,
                         std::sin(obliquityRad) * sinL)
      .latitude;
}

void CalcDeclinations(AppState& app) {
  WorkingSet& w = app.chart.work;
  const double eps = -app.chart.clock.Obliquity;
  for (int point : {NorthNode, PartOfFortune, Ascendant, Midheaven})
    w.PointDecl[point] = EclipticDeclination(w.PointLong[point], eps);
  w.PointDecl[Lilith] = 0;
  for (int point = FirstHousePoint; point <= LastHousePoint; ++point)
    w.PointDecl[point] = EclipticDeclination(w.PointLong[point], eps);
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

void CalcSolarArcAngles(AppState& app) {
  ChartState& chart = app.chart;
  const double natalMC = chart.natal.NatalLong[Midheaven];
  const double arc = chart.prog.ProgLong[Sun] - chart.natal.NatalLong[Sun];
  const double mc = NormalizeDegrees(natalMC + arc);
  chart.work.PointLong[Midheaven] = mc;
  const double ramcDeg = CalcQuadrantAngle(mc, chart.clock.ObliquityDeg);
  const double progObliquity = chart.moments.ProgObliquityDeg;
  chart.work.PointLong[Ascendant] = CalcAscFromRamc(ramcDeg, progObliquity, chart.clock.GeoLatitude);
  chart.clock.RAMC = DegToRad(ramcDeg);
  chart.clock.Obliquity = -DegToRad(progObliquity);
}

}  // namespace halcyra
