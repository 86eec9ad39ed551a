#include "core/moon.h"

#include <array>
#include <cstddef>

#include "core/angle_helpers.h"
#include "core/moon_series.h"
#include "core/unrolled_series.h"

namespace halcyra {

namespace {

constexpr std::size_t TermCount = MoonLongitudeTerms.size();

constexpr bool SameArgument(const MoonLongitudeTerm& a, const MoonLongitudeTerm& b) {
  return a.D == b.D && a.M == b.M && a.Mp == b.Mp && a.F == b.F;
}

// For each row, the first row with the same argument (itself when none
// comes before it): the 71st term repeats the 17th's, whose sine is reused.
constexpr std::array<std::size_t, TermCount> FirstRowOfArgument = [] {
  std::array<std::size_t, TermCount> first{};
  for (std::size_t k = 0; k < TermCount; ++k) {
    first[k] = k;
    for (std::size_t j = 0; j < k; ++j)
      if (SameArgument(MoonLongitudeTerms[j], MoonLongitudeTerms[k])) {
        first[k] = j;
        break;
      }
  }
  return first;
}();

// The row whose argument is the single multiplier given (M, M' or 2F), whose
// sine the nutation and the latitude's auxiliary argument reuse.
constexpr std::size_t RowOf(int D, int M, int Mp, int F) {
  for (std::size_t k = 0; k < TermCount; ++k)
    if (SameArgument(MoonLongitudeTerms[k], {0, D, M, Mp, F})) return k;
  return TermCount;
}
constexpr std::size_t RowM = RowOf(0, 1, 0, 0);
constexpr std::size_t RowMp = RowOf(0, 0, 1, 0);
constexpr std::size_t Row2F = RowOf(0, 0, 0, 2);
static_assert(RowM < TermCount && RowMp < TermCount && Row2F < TermCount);

}  // namespace

MoonPosition CalcMoonPosition(double T) {
  const double T2 = T * T;
  const double T3 = T2 * T;
  const double Lp = NormalizeDegrees(270.434164 + 481267.883142 * T - 0.001133 * T2 + 0.0000019 * T3);
  const double Mp = NormalizeDegrees(296.104608 + 477198.849108 * T + 0.009192 * T2 + 0.0000144 * T3);
  const double Om = NormalizeDegrees(259.183275 - 1934.142008 * T + 0.002078 * T2 + 0.0000022 * T3);
  const double L = NormalizeDegrees(279.696678 + 36000.768925 * T + 0.000303 * T2);
  const double M = NormalizeDegrees(358.475833 + 35999.04975 * T - 0.00015 * T2 - 0.0000033 * T3);

  const double D = Lp - L;
  const double F = Lp - Om;
  // a whole multiple of zero adds nothing, so a row's argument has the very
  // bits of the same angle formed elsewhere and its sine may stand in
  std::array<double, TermCount> sines;
  ForEachRow<TermCount>([&](auto k) {
    constexpr MoonLongitudeTerm t = MoonLongitudeTerms[k];
    if constexpr (FirstRowOfArgument[k] != k)
      sines[k] = sines[FirstRowOfArgument[k]];
    else
      sines[k] = SinDeg(SumOfMultiples<t.D, t.M, t.Mp, t.F>(D, M, Mp, F));
  });

  double nutation = 0;
  ForEachRow<MoonNutationTerms.size()>([&](auto k) {
    constexpr MoonNutationTerm t = MoonNutationTerms[k];
    double sine;
    if constexpr (t.Lp == 0 && t.Omega == 0 && t.L == 0 && ((t.M == 1 && t.Mp == 0) || (t.M == 0 && t.Mp == 1)))
      sine = sines[t.M == 1 ? RowM : RowMp];
    else
      sine = SinDeg(SumOfMultiples<t.Lp, t.Mp, t.Omega, t.L, t.M>(Lp, Mp, Om, L, M));
    nutation += t.c * sine / 3600;
  });

  double series = 0;
  ForEachRow<TermCount>([&](auto k) {
    constexpr double c = MoonLongitudeTerms[k].c / 3600;
    series += c * sines[k];
  });

  MoonPosition r;
  r.Lambda = (series + nutation) + Lp;
  r.MoonLong = NormalizeDegrees(r.Lambda);
  r.MeanNode = Om;

  // the two small coefficients of the auxiliary argument are degrees
  const double S = r.MoonLong - Om + 0.114 * sines[Row2F] + 0.15 * sines[RowM];
  const double X = 2 * L - Lp - Om;
  double latitude = 0;
  ForEachRow<MoonLatitudeTerms.size()>([&](auto k) {
    constexpr MoonLatitudeTerm t = MoonLatitudeTerms[k];
    latitude += t.c * SinDeg(SumOfMultiples<t.S, t.X, t.F, t.Mp, t.M>(S, X, F, Mp, M)) / 3600;
  });
  r.MoonLat = latitude;
  return r;
}

}  // namespace halcyra
