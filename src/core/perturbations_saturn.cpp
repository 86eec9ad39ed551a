#include "core/perturbations_saturn.h"

namespace halcyra {

void PerturbSaturn(const PerturbationMoment& moment, PlanetOrbit& orbit) {
  const double nu = moment.args.Nu;
  const JupiterSaturnFactors& f = moment.jupiterSaturn;
  OrbitCorrections c;
  c.A = SumSeries<SaturnMeanLongitudeTerms>(nu, f);
  c.q = SumSeries<SaturnEccentricityTerms>(nu, f) / 10000000;
  c.B = SumSeries<SaturnPerihelionTerms>(nu, f);
  c.da = SumSeries<SaturnSemiAxisTerms>(nu, f) / 1000000;
  ApplyOrbitCorrections(c, orbit.M, orbit);
}

void PerturbSaturn(double T, PlanetOrbit& orbit) { PerturbSaturn(CalcPerturbationMoment(T), orbit); }

}  // namespace halcyra
