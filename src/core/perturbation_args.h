#pragma once
// The shared arguments of the outer-planet perturbation series and the
// sines and cosines the series multiply, worked out once per moment for
// Jupiter, Saturn, Uranus and Neptune together.
#include <array>
#include <cstddef>

#include "core/planet_orbit.h"
#include "core/unrolled_series.h"

namespace halcyra {

// All angles in degrees and never reduced: only their sines and cosines are
// used. Nu is T / 5 + 0.1.
struct PerturbationArgs {
  double Nu = 0, P = 0, Q = 0, S = 0, V = 0, W = 0, Zeta = 0, Psi = 0;
};

// T: Julian centuries from JD 2415020.0.
PerturbationArgs CalcPerturbationArgs(double T);

// The factors of the Jupiter and Saturn series: Zeta = Q - P, Psi = S - Q.
enum class JupiterSaturnTrig : unsigned char {
  One,
  SinV, CosV, Sin2V, Cos2V, SinW,
  SinZeta, Sin2Zeta, Sin3Zeta, Sin4Zeta, Sin5Zeta,
  CosZeta, Cos2Zeta, Cos3Zeta, Cos4Zeta, Cos5Zeta,
  SinQ, Sin2Q, Sin3Q, Sin4Q, CosQ, Cos2Q, Cos3Q, Cos4Q,
  Sin2Psi, Cos2Psi, Sin3Psi, Cos3Psi,
  Count
};

// The factors of the Uranus and Neptune series, with each planet's own Zeta,
// Eta and Theta; G is Neptune's mean longitude and H = 2G - S.
enum class UranusNeptuneTrig : unsigned char {
  One,
  SinH, CosH, Sin2H, Cos2H, SinW,
  SinSPlusEta, CosSPlusEta, Cos2SPlusEta, SinSPlus3Theta,
  SinZeta, SinEta, CosEta, SinTheta, Sin2Theta, Cos2Theta, Sin3Theta,
  SinG, CosG,
  Count
};

// One term: (c0 + c1 Nu + c2 Nu^2) times its one or two factors.
struct JupiterSaturnTerm {
  double c0, c1, c2;
  JupiterSaturnTrig f1, f2 = JupiterSaturnTrig::One;
};
struct UranusNeptuneTerm {
  double c0, c1, c2;
  UranusNeptuneTrig f1, f2 = UranusNeptuneTrig::One;
};

using JupiterSaturnFactors = std::array<double, static_cast<std::size_t>(JupiterSaturnTrig::Count)>;
using UranusNeptuneFactors = std::array<double, static_cast<std::size_t>(UranusNeptuneTrig::Count)>;

// Everything the four perturbation routines share for one moment.
struct PerturbationMoment {
  double T = 0;
  PerturbationArgs args;
  JupiterSaturnFactors jupiterSaturn{};
  UranusNeptuneFactors uranus{}, neptune{};
  double uranusM0 = 0, neptuneM0 = 0;  // the two planets' own mean anomalies
};

PerturbationMoment CalcPerturbationMoment(double T);

// The four corrections of one planet: A mean longitude (degrees), B the
// perihelion term (degrees times e), q eccentricity, da semi-axis (AU).
struct OrbitCorrections {
  double A = 0, B = 0, q = 0, da = 0;
};

// Mbase + A - B / e, w + B / e, e + q, a + da in km, with e taken before
// its own correction.
void ApplyOrbitCorrections(const OrbitCorrections& c, double Mbase, PlanetOrbit& orbit);

// The sum of a series table's terms in their order. A term whose
// coefficient has no Nu part takes c0 alone (c0 + 0 Nu + 0 Nu^2 is c0 to
// the bit) and a lone factor is not multiplied by One.
template <const auto& Terms, class Factors>
double SumSeries(double nu, const Factors& f) {
  double sum = 0;
  ForEachRow<Terms.size()>([&](auto k) {
    constexpr auto t = Terms[k];
    double coefficient;
    if constexpr (t.c1 == 0 && t.c2 == 0)
      coefficient = t.c0;
    else
      coefficient = t.c0 + t.c1 * nu + t.c2 * nu * nu;
    double term = coefficient * f[static_cast<std::size_t>(t.f1)];
    if constexpr (t.f2 != decltype(t.f2)::One) term = term * f[static_cast<std::size_t>(t.f2)];
    sum += term;
  });
  return sum;
}

}  // namespace halcyra
