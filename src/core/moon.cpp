#include "core/moon.h"

#include "core/angle_helpers.h"
#include "core/moon_series.h"

namespace halcyra {

MoonPosition CalcMoonPosition(double T) {
  const double T2 = T * T;
  const double T3 = T2 * T;
  const double Lp = NormalizeDegrees(270.434164 + 481267.883142 * T - 0.001133 * T2 + 0.0000019 * T3);
  const double Mp = NormalizeDegrees(296.104608 + 477198.849108 * T + 0.009192 * T2 + 0.0000144 * T3);
  const double Om = NormalizeDegrees(259.183275 - 1934.142008 * T + 0.002078 * T2 + 0.0000022 * T3);
  const double L = NormalizeDegrees(279.696678 + 36000.768925 * T + 0.000303 * T2);
  const double M = NormalizeDegrees(358.475833 + 35999.04975 * T - 0.00015 * T2 - 0.0000033 * T3);

  double nutation = 0;
  for (const MoonNutationTerm& t : MoonNutationTerms)
    nutation += t.c * SinDeg(t.Lp * Lp + t.Mp * Mp + t.Omega * Om + t.L * L + t.M * M) / 3600;

  const double D = Lp - L;
  const double F = Lp - Om;
  double series = 0;
  for (const MoonLongitudeTerm& t : MoonLongitudeTerms)
    series += t.c / 3600 * SinDeg(t.D * D + t.M * M + t.Mp * Mp + t.F * F);

  MoonPosition r;
  r.Lambda = (series + nutation) + Lp;
  r.MoonLong = NormalizeDegrees(r.Lambda);
  r.MeanNode = Om;

  // the two small coefficients of the auxiliary argument are degrees
  const double S = r.MoonLong - Om + 0.114 * SinDeg(2 * F) + 0.15 * SinDeg(M);
  const double X = 2 * L - Lp - Om;
  double latitude = 0;
  for (const MoonLatitudeTerm& t : MoonLatitudeTerms)
    latitude += t.c * SinDeg(t.S * S + t.X * X + t.F * F + t.Mp * Mp + t.M * M) / 3600;
  r.MoonLat = latitude;
  return r;
}

}  // namespace halcyra
