#include "core/moon.h"

#include "core/angle_helpers.h"
#include "core/ephemeris_trig.h"
#include "core/moon_series.h"
#include "core/unrolled_series.h"

namespace halcyra {

MoonPosition CalcMoonPosition(double T) {
  const double T2 = T * T;
  const double T3 = T2 * T;
  const double Lp = NormalizeDegrees(270.434164 + 481267.883142 * T - 0.001133 * T2 + 0.0000019 * T3);
  const double Mp = NormalizeDegrees(296.104608 + 477198.849108 * T + 0.009192 * T2 + 0.0000144 * T3);
  const double Om = NormalizeDegrees(259.183275 - 1934.142008 * T + 0.002078 * T2 + 0.0000022 * T3);
  const double L = NormalizeDegrees(279.696678 + 36000.768925 * T + 0.000303 * T2);
  const double M = NormalizeDegrees(358.475833 + 35999.04975 * T - 0.00015 * T2 - 0.0000033 * T3);

  // the five reduced arguments are the only sines taken; D = L' - L and
  // F = L' - Omega and every multiple follow by the addition theorems
  const std::array<SinCos, 5> base = SinCosDegBatch<5>({Lp, Mp, Om, L, M});
  const SinCos lp = base[0], mp = base[1], om = base[2], l = base[3], m = base[4];
  // (a multiple beyond a table's size does not compile)
  const auto D = AngleMultiples<6>(AngleDifference(lp, l));
  const auto Ms = AngleMultiples<2>(m);
  const auto Mps = AngleMultiples<4>(mp);
  const auto F = AngleMultiples<2>(AngleDifference(lp, om));

  const auto Lps = AngleMultiples<2>(lp);
  const auto Oms = AngleMultiples<2>(om);
  const auto Ls = AngleMultiples<2>(l);
  double nutation = 0;
  ForEachRow<MoonNutationTerms.size()>([&](auto k) {
    constexpr MoonNutationTerm t = MoonNutationTerms[k];
    nutation += t.c * Combination<t.Lp, t.Mp, t.Omega, t.L, t.M>(Lps, Mps, Oms, Ls, Ms).sin / 3600;
  });

  double series = 0;
  ForEachRow<MoonLongitudeTerms.size()>([&](auto k) {
    constexpr MoonLongitudeTerm t = MoonLongitudeTerms[k];
    constexpr double c = t.c / 3600;
    series += c * Combination<t.D, t.M, t.Mp, t.F>(D, Ms, Mps, F).sin;
  });

  MoonPosition r;
  r.Lambda = (series + nutation) + Lp;
  r.MoonLong = NormalizeDegrees(r.Lambda);
  r.MeanNode = Om;

  // the two small coefficients of the auxiliary argument are degrees
  const double S = r.MoonLong - Om + 0.114 * F[2].sin + 0.15 * m.sin;
  const std::array<SinCos, 2> Ss{SinCos{0, 1}, SinCosDeg(S)};
  const std::array<SinCos, 2> X{SinCos{0, 1}, AngleDifference(AngleDifference(Ls[2], lp), om)};
  double latitude = 0;
  ForEachRow<MoonLatitudeTerms.size()>([&](auto k) {
    constexpr MoonLatitudeTerm t = MoonLatitudeTerms[k];
    latitude += t.c * Combination<t.S, t.X, t.F, t.Mp, t.M>(Ss, X, F, Mps, Ms).sin / 3600;
  });
  r.MoonLat = latitude;
  return r;
}

}  // namespace halcyra
