#pragma once
// The planetary standing lists of a horary chart: peregrine planets,
// detriment and fall, out-of-bounds points, receptions, the Via Combusta,
// the planets' phases with the Sun, the fateful degree, houses of joy and
// besieged planets. Each list holds point numbers in the order the report
// prints them.
#include <vector>

#include "horary/positions_and_speeds.h"
#include "state/chart_set.h"
#include "state/option_tables.h"

namespace halcyra {

using PointList = std::vector<int>;
struct PointPair {
  int first = 0, second = 0;
  bool operator==(const PointPair&) const = default;
};

struct Receptions {
  std::vector<PointPair> bySign;          // domicile rulers, the smaller index first
  std::vector<PointPair> byModernRuler;   // Uranus, Neptune and Pluto as rulers
  std::vector<PointPair> byExaltation;    // the smaller index first
  std::vector<PointPair> mixed;           // the planet in the other's exaltation first
};

struct SolarPhases {
  PointList cazimi, combust, underSunsBeams;
};

// The planets without a dignity of their own in the positions table.
PointList PeregrinePlanets(const PositionsAndSpeeds& positions);
PointList PlanetsInDetriment(const ChartSet& natal);
PointList PlanetsInFall(const ChartSet& natal);
// Sun to Moon and Lilith beyond 23 degrees 28 minutes of declination.
PointList OutOfBoundsPoints(const ChartSet& natal);
Receptions ReceptionsOf(const ChartSet& natal);
PointList PlanetsInViaCombusta(const ChartSet& natal);
// Mercury to Saturn and the Moon by their distance from the Sun: cazimi
// within 17 minutes; combust beyond it up to the combustion orb (option 32)
// in the Sun's sign; under the Sun's beams up to 17 degrees in the Sun's
// sign, or in any sign when option 197 is on (then also within the orb).
SolarPhases SolarPhasesOf(const ChartSet& natal, const OptionTables& options);
// Points on the N. Node's whole degree within their sign (Sun to MC but
// the node and the Part of Fortune).
PointList FatefulDegreePoints(const ChartSet& natal);
// Option 33 at 1 moves every house 5 degrees back.
PointList PlanetsInHouseOfJoy(const ChartSet& natal, const OptionTables& options);
// Between Mars and Saturn, both ends included, when the two share a sign.
PointList BesiegedPlanets(const ChartSet& natal);

struct PlanetaryStanding {
  PointList peregrine, detriment, fall, outOfBounds;
  Receptions receptions;
  PointList viaCombusta;
  SolarPhases solarPhases;
  PointList fatefulDegree, houseOfJoy, besieged;
};
PlanetaryStanding PlanetaryStandingOf(const ChartSet& natal, const OptionTables& options,
                                      const PositionsAndSpeeds& positions);

}  // namespace halcyra
