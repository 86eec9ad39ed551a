#include "core/perturbations_jupiter.h"

namespace halcyra {

void PerturbJupiter(const PerturbationMoment& moment, PlanetOrbit& orbit) {
  const double nu = moment.args.Nu;
  const JupiterSaturnFactors& f = moment.jupiterSaturn;
  OrbitCorrections c;
  c.A = SumSeries<JupiterMeanLongitudeTerms>(nu, f);
  c.q = SumSeries<JupiterEccentricityTerms>(nu, f) / 10000000;
  c.B = SumSeries<JupiterPerihelionTerms>(nu, f);
  c.da = SumSeries<JupiterSemiAxisTerms>(nu, f) / 1000000;
  ApplyOrbitCorrections(c, orbit.M, orbit);
}

void PerturbJupiter(double T, PlanetOrbit& orbit) { PerturbJupiter(CalcPerturbationMoment(T), orbit); }

}  // namespace halcyra
