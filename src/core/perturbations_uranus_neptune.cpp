#include "core/perturbations_uranus_neptune.h"

namespace halcyra {

double PerturbUranus(const PerturbationMoment& moment, PlanetOrbit& orbit) {
  const double nu = moment.args.Nu;
  const UranusNeptuneFactors& f = moment.uranus;
  OrbitCorrections c;
  c.A = SumSeries<UranusMeanLongitudeTerms>(nu, f);
  c.q = SumSeries<UranusEccentricityTerms>(nu, f) / 10000000;
  c.B = SumSeries<UranusPerihelionTerms>(nu, f);
  c.da = SumSeries<UranusSemiAxisTerms>(nu, f);  // already in AU
  ApplyOrbitCorrections(c, moment.uranusM0, orbit);
  return SumSeries<UranusLongitudeTerms>(nu, f);
}

double PerturbNeptune(const PerturbationMoment& moment, PlanetOrbit& orbit) {
  const double nu = moment.args.Nu;
  const UranusNeptuneFactors& f = moment.neptune;
  OrbitCorrections c;
  c.A = SumSeries<NeptuneMeanLongitudeTerms>(nu, f);
  c.q = SumSeries<NeptuneEccentricityTerms>(nu, f) / 10000000;
  c.B = SumSeries<NeptunePerihelionTerms>(nu, f);
  c.da = SumSeries<NeptuneSemiAxisTerms>(nu, f) / 1000000;
  ApplyOrbitCorrections(c, moment.neptuneM0, orbit);
  return SumSeries<NeptuneLongitudeTerms>(nu, f);
}

double PerturbUranus(double T, PlanetOrbit& orbit) { return PerturbUranus(CalcPerturbationMoment(T), orbit); }
double PerturbNeptune(double T, PlanetOrbit& orbit) { return PerturbNeptune(CalcPerturbationMoment(T), orbit); }

}  // namespace halcyra
