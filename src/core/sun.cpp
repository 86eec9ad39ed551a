#include "core/sun.h"

#include "core/angle_helpers.h"
#include "core/unrolled_series.h"

namespace halcyra {

namespace {

// The terms in their order; a term without the Sun's anomaly adds no 0 * g.
template <const auto& Terms>
double SumPlanetTerms(double A, double g) {
  double sum = 0;
  ForEachRow<Terms.size()>([&](auto k) {
    constexpr SunPlanetTerm t = Terms[k];
    double argument = t.K + t.a * A;
    if constexpr (t.b != 0) argument = argument + t.b * g;
    sum += t.c * CosDeg(argument);
  });
  return sum;
}

}  // namespace

SunPosition CalcSunPosition(double T) {
  // long-period term, arc-seconds; it enters both the mean longitude and the anomaly
  const double P = (1.882 - 0.016 * T) * SinDeg(57.24 + 150.27 * T) +
                   6.4 * SinDeg(231.19 + 20.2 * T) + 0.266 * SinDeg(31.8 + 119 * T);
  const double L = NormalizeDegrees(
      279.6966778 + 36000 * T +
      (2768.13 * T + 1.089 * T * T + 0.202 * SinDeg(315.6 + 893.3 * T) + P) / 3600);
  const double g = NormalizeDegrees(358.4758333 + 35999 * T + (179.1 * T - 0.54 * T * T + P) / 3600);

  const double V = NormalizeDegrees(212.45 + 58517.493 * T);
  const double Ma = NormalizeDegrees(319.58 + 19139.977 * T);
  const double J = NormalizeDegrees(225.28 + 3034.583 * T + (1300.0 / 3600) * SinDeg(133.775 + 39.804 * T));
  const double S = NormalizeDegrees(175.6 + 1221.794 * T);
  const double D = NormalizeDegrees(350.737486 + 445267.114217 * T);
  const double l = NormalizeDegrees(296.104608 + 477198.849108 * T);

  const double C = (6910.057 - 17.24 * T) * SinDeg(g) + (72.338 - 0.361 * T) * SinDeg(2 * g) +
                   1.054 * SinDeg(3 * g);
  const double venus = SumPlanetTerms<SunVenusTerms>(V, g);
  const double mars = SumPlanetTerms<SunMarsTerms>(Ma, g);
  const double jupiter = SumPlanetTerms<SunJupiterTerms>(J, g);
  const double saturn = SumPlanetTerms<SunSaturnTerms>(S, g);
  const double moon = 6.454 * SinDeg(D) + 0.177 * SinDeg(D + l) - 0.424 * SinDeg(D - l) +
                      0.172 * SinDeg(D - g);

  const double trueLong = L + C / 3600 + venus / 3600 + mars / 3600 + jupiter / 3600 +
                          saturn / 3600 + moon / 3600;
  SunPosition r;
  // aberration, and nutation by its main term in the Moon's node
  r.Lambda = trueLong - 0.00569 - 0.00479 * SinDeg(259.18 - 1934.142 * T);
  r.SunLong = NormalizeDegrees(r.Lambda);
  return r;
}

}  // namespace halcyra
