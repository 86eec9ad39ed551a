#include "core/pluto.h"

#include "core/angle_helpers.h"
#include "core/ephemeris_trig.h"
#include "core/unrolled_series.h"

namespace halcyra {

PlutoHelio CalcPlutoPosition(double T) {
  const double J = NormalizeDegrees(238.74 + 3034.9057 * T);
  const double S = NormalizeDegrees(267.26 + 1222.1138 * T);
  const double P = NormalizeDegrees(93.48 + 144.96 * T);
  // three sines and cosines; every argument's follow by the addition
  // theorems (a multiple beyond a table's size does not compile)
  const std::array<SinCos, 3> base = SinCosDegBatch<3>({J, S, P});
  const auto Js = AngleMultiples<2>(base[0]);
  const auto Ss = AngleMultiples<2>(base[1]);
  const auto Ps = AngleMultiples<6>(base[2]);
  double lon = 0, lat = 0, rad = 0;
  // the series' zeros stand for missing terms and are not multiplied in
  ForEachRow<PlutoTerms.size()>([&](auto k) {
    constexpr PlutoTerm t = PlutoTerms[k];
    const SinCos sc = Combination<t.j, t.s, t.p>(Js, Ss, Ps);
    const double sa = sc.sin;
    const double ca = sc.cos;
    if constexpr (t.lonSin != 0) lon += t.lonSin * sa;
    if constexpr (t.lonCos != 0) lon += t.lonCos * ca;
    if constexpr (t.latSin != 0) lat += t.latSin * sa;
    if constexpr (t.latCos != 0) lat += t.latCos * ca;
    if constexpr (t.radSin != 0) rad += t.radSin * sa;
    if constexpr (t.radCos != 0) rad += t.radCos * ca;
  });
  PlutoHelio r;
  // the constant differs from P's 93.48 on purpose, and the T part stays unreduced
  r.Long = 144.96 * T + 93.297471 + lon / 1000000;
  r.Lat = lat / 1000000 - 3.909434;
  r.Radius = rad / 1000000 + 40.724725;
  return r;
}

}  // namespace halcyra
