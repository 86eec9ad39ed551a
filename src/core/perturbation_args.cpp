#include "core/perturbation_args.h"

#include "core/angle_helpers.h"
#include "core/ephemeris_trig.h"

namespace halcyra {

namespace {

template <class Enum, class Array>
double& At(Array& a, Enum e) {
  return a[static_cast<std::size_t>(e)];
}

template <class Enum, class Array>
void SetPair(Array& a, Enum sinSlot, Enum cosSlot, SinCos angle) {
  At(a, sinSlot) = angle.sin;
  At(a, cosSlot) = angle.cos;
}

template <class Enum>
Enum Plus(Enum e, int k) {
  return static_cast<Enum>(static_cast<int>(e) + k);
}

// Multiples of the four mean longitudes, from which every argument of the
// series follows by the addition theorems (the arguments are never
// reduced, so their sines are the sines of these sums).
struct MeanLongitudes {
  std::array<SinCos, 3> P;  // Jupiter
  std::array<SinCos, 7> Q;  // Saturn
  std::array<SinCos, 4> S;  // Uranus
  std::array<SinCos, 4> G;  // Neptune
};

JupiterSaturnFactors CalcJupiterSaturnFactors(const MeanLongitudes& m) {
  using J = JupiterSaturnTrig;
  JupiterSaturnFactors f{};
  At(f, J::One) = 1;
  const SinCos V = Combination<-2, 5>(m.P, m.Q);
  SetPair(f, J::SinV, J::CosV, V);
  SetPair(f, J::Sin2V, J::Cos2V, AngleSum(V, V));
  At(f, J::SinW) = Combination<2, -6, 3>(m.P, m.Q, m.S).sin;
  const auto zeta = AngleMultiples<5>(AngleDifference(m.Q[1], m.P[1]));
  for (int k = 1; k <= 5; ++k) SetPair(f, Plus(J::SinZeta, k - 1), Plus(J::CosZeta, k - 1), zeta[k]);
  for (int k = 1; k <= 4; ++k) SetPair(f, Plus(J::SinQ, k - 1), Plus(J::CosQ, k - 1), m.Q[k]);
  const auto psi = AngleMultiples<3>(AngleDifference(m.S[1], m.Q[1]));
  SetPair(f, J::Sin2Psi, J::Cos2Psi, psi[2]);
  SetPair(f, J::Sin3Psi, J::Cos3Psi, psi[3]);
  return f;
}

// The factors that do not depend on a planet's own Zeta and Eta: the same
// for Uranus and Neptune, whose Theta is G - S alike.
UranusNeptuneFactors CalcSharedUranusNeptuneFactors(const MeanLongitudes& m) {
  using U = UranusNeptuneTrig;
  UranusNeptuneFactors f{};
  At(f, U::One) = 1;
  const SinCos H = Combination<2, -1>(m.G, m.S);
  SetPair(f, U::SinH, U::CosH, H);
  SetPair(f, U::Sin2H, U::Cos2H, AngleSum(H, H));
  At(f, U::SinW) = Combination<2, -6, 3>(m.P, m.Q, m.S).sin;
  At(f, U::SinSPlus3Theta) = Combination<3, -2>(m.G, m.S).sin;
  const auto theta = AngleMultiples<3>(AngleDifference(m.G[1], m.S[1]));
  At(f, U::SinTheta) = theta[1].sin;
  SetPair(f, U::Sin2Theta, U::Cos2Theta, theta[2]);
  At(f, U::Sin3Theta) = theta[3].sin;
  SetPair(f, U::SinG, U::CosG, m.G[1]);
  return f;
}

// A planet's own factors: S + Eta and 2S + Eta, Zeta and Eta, given as
// their sines and cosines.
struct OwnAngles {
  SinCos sPlusEta, twoSPlusEta, zeta, eta;
};

void SetOwnUranusNeptuneFactors(const OwnAngles& a, UranusNeptuneFactors& f) {
  using U = UranusNeptuneTrig;
  SetPair(f, U::SinSPlusEta, U::CosSPlusEta, a.sPlusEta);
  At(f, U::Cos2SPlusEta) = a.twoSPlusEta.cos;
  At(f, U::SinZeta) = a.zeta.sin;
  SetPair(f, U::SinEta, U::CosEta, a.eta);
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
  const double G = 83.76922 + 218.4901 * T;  // Neptune's mean longitude
  MeanLongitudes longitudes;
  const std::array<SinCos, 4> base = SinCosDegBatch<4>({g.P, g.Q, g.S, G});
  longitudes.P = AngleMultiples<2>(base[0]);
  longitudes.Q = AngleMultiples<6>(base[1]);
  longitudes.S = AngleMultiples<3>(base[2]);
  longitudes.G = AngleMultiples<3>(base[3]);
  const MeanLongitudes& l = longitudes;
  m.jupiterSaturn = CalcJupiterSaturnFactors(l);

  m.uranus = CalcSharedUranusNeptuneFactors(l);
  m.neptune = m.uranus;
  // Uranus: Zeta = S - P, Eta = S - Q; Neptune: Zeta = G - P, Eta = G - Q
  SetOwnUranusNeptuneFactors({Combination<-1, 2>(l.Q, l.S), Combination<-1, 3>(l.Q, l.S),
                              Combination<-1, 1>(l.P, l.S), Combination<-1, 1>(l.Q, l.S)},
                             m.uranus);
  SetOwnUranusNeptuneFactors({Combination<-1, 1, 1>(l.Q, l.S, l.G), Combination<-1, 2, 1>(l.Q, l.S, l.G),
                              Combination<-1, 1>(l.P, l.G), Combination<-1, 1>(l.Q, l.G)},
                             m.neptune);
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
