#include "core/sun.h"

#include <cstddef>

#include "core/angle_helpers.h"
#include "core/ephemeris_trig.h"
#include "core/unrolled_series.h"

namespace halcyra {

namespace {

// c cos K and c sin K of every term, so that a term is
// c cos(K + a A + b g) = (c cos K) cos(a A + b g) - (c sin K) sin(a A + b g).
template <const auto& Terms>
const std::array<SinCos, Terms.size()>& RotatedCoefficients() {
  static const std::array<SinCos, Terms.size()> coefficients = [] {
    std::array<SinCos, Terms.size()> r;
    for (std::size_t k = 0; k < Terms.size(); ++k) {
      const SinCos K = SinCosDeg(Terms[k].K);
      r[k] = {Terms[k].c * K.sin, Terms[k].c * K.cos};
    }
    return r;
  }();
  return coefficients;
}

// The terms in their order, their arguments from the multiples of the
// planet's anomaly A and the Sun's g.
template <const auto& Terms, std::size_t NA, std::size_t NG>
double SumPlanetTerms(const std::array<SinCos, NA>& A, const std::array<SinCos, NG>& g) {
  const auto& coefficients = RotatedCoefficients<Terms>();
  double sum = 0;
  ForEachRow<Terms.size()>([&](auto k) {
    constexpr SunPlanetTerm t = Terms[k];
    const SinCos angle = Combination<t.a, t.b>(A, g);
    sum += coefficients[k].cos * angle.cos - coefficients[k].sin * angle.sin;
  });
  return sum;
}

}  // namespace

SunPosition CalcSunPosition(double T) {
  // the six arguments that enter only through one sine each
  const std::array<SinCos, 6> once = SinCosDegBatch<6>({57.24 + 150.27 * T, 231.19 + 20.2 * T, 31.8 + 119 * T,
                                                       315.6 + 893.3 * T, 133.775 + 39.804 * T, 259.18 - 1934.142 * T});
  // long-period term, arc-seconds; it enters both the mean longitude and the anomaly
  const double P = (1.882 - 0.016 * T) * once[0].sin + 6.4 * once[1].sin + 0.266 * once[2].sin;
  const double L = NormalizeDegrees(279.6966778 + 36000 * T + (2768.13 * T + 1.089 * T * T + 0.202 * once[3].sin + P) / 3600);
  const double g = NormalizeDegrees(358.4758333 + 35999 * T + (179.1 * T - 0.54 * T * T + P) / 3600);

  const double V = NormalizeDegrees(212.45 + 58517.493 * T);
  const double Ma = NormalizeDegrees(319.58 + 19139.977 * T);
  const double J = NormalizeDegrees(225.28 + 3034.583 * T + (1300.0 / 3600) * once[4].sin);
  const double S = NormalizeDegrees(175.6 + 1221.794 * T);
  const double D = NormalizeDegrees(350.737486 + 445267.114217 * T);
  const double l = NormalizeDegrees(296.104608 + 477198.849108 * T);

  // one sine and cosine for each reduced argument; the multiples (a table
  // too short for a term does not compile) by the addition theorems
  const std::array<SinCos, 7> base = SinCosDegBatch<7>({g, V, Ma, J, S, D, l});
  const auto gs = AngleMultiples<8>(base[0]);
  const auto Vs = AngleMultiples<5>(base[1]);
  const auto Mas = AngleMultiples<7>(base[2]);
  const auto Js = AngleMultiples<3>(base[3]);
  const auto Ss = AngleMultiples<2>(base[4]);
  const std::array<SinCos, 2> Ds{SinCos{0, 1}, base[5]};
  const std::array<SinCos, 2> ls{SinCos{0, 1}, base[6]};

  const double C = (6910.057 - 17.24 * T) * gs[1].sin + (72.338 - 0.361 * T) * gs[2].sin + 1.054 * gs[3].sin;
  const double venus = SumPlanetTerms<SunVenusTerms>(Vs, gs);
  const double mars = SumPlanetTerms<SunMarsTerms>(Mas, gs);
  const double jupiter = SumPlanetTerms<SunJupiterTerms>(Js, gs);
  const double saturn = SumPlanetTerms<SunSaturnTerms>(Ss, gs);
  const double moon = 6.454 * Ds[1].sin + 0.177 * Combination<1, 1>(Ds, ls).sin -
                      0.424 * Combination<1, -1>(Ds, ls).sin + 0.172 * Combination<1, -1>(Ds, gs).sin;

  const double trueLong = L + C / 3600 + venus / 3600 + mars / 3600 + jupiter / 3600 +
                          saturn / 3600 + moon / 3600;
  SunPosition r;
  // aberration, and nutation by its main term in the Moon's node
  r.Lambda = trueLong - 0.00569 - 0.00479 * once[5].sin;
  r.SunLong = NormalizeDegrees(r.Lambda);
  return r;
}

}  // namespace halcyra
