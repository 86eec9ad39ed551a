#include "core/perturbation_args.h"

#include "core/angle_helpers.h"

namespace halcyra {

namespace {

template <class Enum, class Array>
double& At(Array& a, Enum e) {
  return a[static_cast<std::size_t>(e)];
}

JupiterSaturnFactors CalcJupiterSaturnFactors(const PerturbationArgs& g) {
  using J = JupiterSaturnTrig;
  JupiterSaturnFactors f{};
  At(f, J::One) = 1;
  At(f, J::SinV) = SinDeg(g.V);
  At(f, J::CosV) = CosDeg(g.V);
  At(f, J::Sin2V) = SinDeg(2 * g.V);
  At(f, J::Cos2V) = CosDeg(2 * g.V);
  At(f, J::SinW) = SinDeg(g.W);
  for (int k = 1; k <= 5; ++k) {
    At(f, static_cast<J>(static_cast<int>(J::SinZeta) + k - 1)) = SinDeg(k * g.Zeta);
    At(f, static_cast<J>(static_cast<int>(J::CosZeta) + k - 1)) = CosDeg(k * g.Zeta);
  }
  for (int k = 1; k <= 4; ++k) {
    At(f, static_cast<J>(static_cast<int>(J::SinQ) + k - 1)) = SinDeg(k * g.Q);
    At(f, static_cast<J>(static_cast<int>(J::CosQ) + k - 1)) = CosDeg(k * g.Q);
  }
  At(f, J::Sin2Psi) = SinDeg(2 * g.Psi);
  At(f, J::Cos2Psi) = CosDeg(2 * g.Psi);
  At(f, J::Sin3Psi) = SinDeg(3 * g.Psi);
  At(f, J::Cos3Psi) = CosDeg(3 * g.Psi);
  return f;
}

// The factors that do not depend on the planet's own Zeta, Eta and Theta
// are the same for Uranus and Neptune.
UranusNeptuneFactors CalcUranusNeptuneFactors(const PerturbationArgs& g, double G, double zeta,
                                              double eta, double theta) {
  using U = UranusNeptuneTrig;
  const double H = 2 * G - g.S;
  UranusNeptuneFactors f{};
  At(f, U::One) = 1;
  At(f, U::SinH) = SinDeg(H);
  At(f, U::CosH) = CosDeg(H);
  At(f, U::Sin2H) = SinDeg(2 * H);
  At(f, U::Cos2H) = CosDeg(2 * H);
  At(f, U::SinW) = SinDeg(g.W);
  At(f, U::SinSPlusEta) = SinDeg(g.S + eta);
  At(f, U::CosSPlusEta) = CosDeg(g.S + eta);
  At(f, U::Cos2SPlusEta) = CosDeg(2 * g.S + eta);
  At(f, U::SinSPlus3Theta) = SinDeg(g.S + 3 * theta);
  At(f, U::SinZeta) = SinDeg(zeta);
  At(f, U::SinEta) = SinDeg(eta);
  At(f, U::CosEta) = CosDeg(eta);
  At(f, U::SinTheta) = SinDeg(theta);
  At(f, U::Sin2Theta) = SinDeg(2 * theta);
  At(f, U::Cos2Theta) = CosDeg(2 * theta);
  At(f, U::Sin3Theta) = SinDeg(3 * theta);
  At(f, U::SinG) = SinDeg(G);
  At(f, U::CosG) = CosDeg(G);
  return f;
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
  const double theta = G - g.S;
  m.uranus = CalcUranusNeptuneFactors(g, G, g.S - g.P, g.S - g.Q, theta);
  m.neptune = CalcUranusNeptuneFactors(g, G, G - g.P, G - g.Q, theta);
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
