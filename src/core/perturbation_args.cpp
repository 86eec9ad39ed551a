#include "core/perturbation_args.h"

#include "core/angle_helpers.h"
#include "core/ephemeris_trig.h"
#include "core/perturbations_uranus_neptune.h"
#include "state/points.h"

namespace halcyra {

namespace {

template <class Enum, class Array>
double& At(Array& a, Enum e) {
  return a[static_cast<std::size_t>(e)];
}

template <class Enum, class Array>
void SetPair(Array& a, Enum sinSlot, Enum cosSlot, double degrees) {
  const SinCos sc = SinCosDeg(degrees);
  At(a, sinSlot) = sc.sin;
  At(a, cosSlot) = sc.cos;
}

template <class Enum>
Enum Plus(Enum e, int k) {
  return static_cast<Enum>(static_cast<int>(e) + k);
}

JupiterSaturnFactors CalcJupiterSaturnFactors(const PerturbationArgs& g) {
  using J = JupiterSaturnTrig;
  JupiterSaturnFactors f{};
  At(f, J::One) = 1;
  SetPair(f, J::SinV, J::CosV, g.V);
  SetPair(f, J::Sin2V, J::Cos2V, 2 * g.V);
  At(f, J::SinW) = SinDeg(g.W);
  for (int k = 1; k <= 5; ++k) SetPair(f, Plus(J::SinZeta, k - 1), Plus(J::CosZeta, k - 1), k * g.Zeta);
  for (int k = 1; k <= 4; ++k) SetPair(f, Plus(J::SinQ, k - 1), Plus(J::CosQ, k - 1), k * g.Q);
  SetPair(f, J::Sin2Psi, J::Cos2Psi, 2 * g.Psi);
  SetPair(f, J::Sin3Psi, J::Cos3Psi, 3 * g.Psi);
  return f;
}

// The factors that do not depend on a planet's own Zeta and Eta: the same
// for Uranus and Neptune.
UranusNeptuneFactors CalcSharedUranusNeptuneFactors(const PerturbationArgs& g, double G, double theta) {
  using U = UranusNeptuneTrig;
  const double H = 2 * G - g.S;
  UranusNeptuneFactors f{};
  At(f, U::One) = 1;
  SetPair(f, U::SinH, U::CosH, H);
  SetPair(f, U::Sin2H, U::Cos2H, 2 * H);
  At(f, U::SinW) = SinDeg(g.W);
  At(f, U::SinSPlus3Theta) = SinDeg(g.S + 3 * theta);
  At(f, U::SinTheta) = SinDeg(theta);
  SetPair(f, U::Sin2Theta, U::Cos2Theta, 2 * theta);
  At(f, U::Sin3Theta) = SinDeg(3 * theta);
  SetPair(f, U::SinG, U::CosG, G);
  return f;
}

template <class... Tables>
constexpr bool AnyTermUses(UranusNeptuneTrig f, const Tables&... tables) {
  auto uses = [f](const auto& terms) {
    for (const UranusNeptuneTerm& t : terms)
      if (t.f1 == f || t.f2 == f) return true;
    return false;
  };
  return (uses(tables) || ...);
}

// Whether a planet's series multiply by the factor at all.
template <int Planet>
constexpr bool SeriesUse(UranusNeptuneTrig f) {
  if constexpr (Planet == Uranus)
    return AnyTermUses(f, UranusMeanLongitudeTerms, UranusEccentricityTerms, UranusPerihelionTerms,
                       UranusSemiAxisTerms, UranusLongitudeTerms);
  else
    return AnyTermUses(f, NeptuneMeanLongitudeTerms, NeptuneEccentricityTerms, NeptunePerihelionTerms,
                       NeptuneSemiAxisTerms, NeptuneLongitudeTerms);
}

// A sine and cosine slot pair, each only if the series read it; sin and cos
// alone have the bits of the pair.
template <bool Sin, bool Cos>
void SetUsed(UranusNeptuneFactors& f, UranusNeptuneTrig sinSlot, UranusNeptuneTrig cosSlot, double degrees) {
  if constexpr (Sin && Cos)
    SetPair(f, sinSlot, cosSlot, degrees);
  else if constexpr (Sin)
    At(f, sinSlot) = SinDeg(degrees);
  else if constexpr (Cos)
    At(f, cosSlot) = CosDeg(degrees);
}

// The planet's own factors, those its series read (Neptune's use only sin
// Zeta and sin Eta); a slot no series reads stays 0.
template <int Planet>
void SetOwnUranusNeptuneFactors(const PerturbationArgs& g, double zeta, double eta, UranusNeptuneFactors& f) {
  using U = UranusNeptuneTrig;
  constexpr auto use = SeriesUse<Planet>;
  SetUsed<use(U::SinSPlusEta), use(U::CosSPlusEta)>(f, U::SinSPlusEta, U::CosSPlusEta, g.S + eta);
  if constexpr (use(U::Cos2SPlusEta)) At(f, U::Cos2SPlusEta) = CosDeg(2 * g.S + eta);
  if constexpr (use(U::SinZeta)) At(f, U::SinZeta) = SinDeg(zeta);
  SetUsed<use(U::SinEta), use(U::CosEta)>(f, U::SinEta, U::CosEta, eta);
}

}  // namespace

PerturbationArgs CalcPerturbationArgs(double T) {
  PerturbationArgs g;
  g.Nu = T / 5 + 0.1;
  g.P = 237.47555 + 3034.9061 * T;
  g.Q = 265.9165 + 1222.1139 * T;
  g.S = 243.51721 + 428.4677 * T;
  g.V = 5 * g.Q - 2 * g.P;
  g.W = 2 * g.P - 6 * g.Q + 3 * g.S;
  g.Zeta = g.Q - g.P;
  g.Psi = g.S - g.Q;
  return g;
}

PerturbationMoment CalcPerturbationMoment(double T) {
  PerturbationMoment m;
  m.T = T;
  m.args = CalcPerturbationArgs(T);
  const PerturbationArgs& g = m.args;
  m.jupiterSaturn = CalcJupiterSaturnFactors(g);

  const double G = 83.76922 + 218.4901 * T;  // Neptune's mean longitude
  m.uranus = CalcSharedUranusNeptuneFactors(g, G, G - g.S);
  m.neptune = m.uranus;
  SetOwnUranusNeptuneFactors<Uranus>(g, g.S - g.P, g.S - g.Q, m.uranus);
  SetOwnUranusNeptuneFactors<Neptune>(g, G - g.P, G - g.Q, m.neptune);
  m.uranusM0 = 72.64878 + 428.37911 * T + 0.000079 * T * T;
  m.neptuneM0 = 37.73063 + 218.46134 * T - 0.00007 * T * T;
  return m;
}

void ApplyOrbitCorrections(const OrbitCorrections& c, double Mbase, PlanetOrbit& orbit) {
  const double e = orbit.e;
  orbit.M = Mbase + c.A - c.B / e;
  orbit.w = orbit.w + c.B / e;
  orbit.e = e + c.q;
  orbit.a = orbit.a + c.da * AUKm;
}

}  // namespace halcyra
