#include "horary/planetary_standing.h"

#include <cmath>

#include "core/angle_helpers.h"
#include "horary/essential_dignities.h"
#include "horary/zodiac.h"

namespace halcyra {

namespace {

// The seven planets in point order, as the lists name them.
constexpr int kListPlanets[] = {Sun, Mercury, Venus, Mars, Jupiter, Saturn, Moon};
constexpr int kSunPhasePlanets[] = {Mercury, Venus, Mars, Jupiter, Saturn, Moon};
constexpr double kCazimi = 0.28333;          // 17 minutes of arc
constexpr double kBeams = 17;                // degrees
constexpr double kOutOfBounds = 23.4666666666667;  // 23 degrees 28 minutes

template <typename Planets, typename Test>
PointList PointsWhere(const Planets& planets, Test test) {
  PointList list;
  for (int p : planets)
    if (test(p)) list.push_back(p);
  return list;
}

// One pass of the receptions: each planet's partner by the pass's
// rulership, listed when the test holds.
template <typename Planets, typename Partner, typename Test>
std::vector<PointPair> ReceptionPass(const ChartSet& natal, const Planets& planets, Partner partnerOf, Test holds) {
  std::vector<PointPair> pairs;
  for (int planet : planets) {
    const int partner = partnerOf(SignOf(natal.Long[planet]));
    if (partner != 0 && holds(planet, partner, SignOf(natal.Long[partner]))) pairs.push_back({planet, partner});
  }
  return pairs;
}

// The house of joy of each row planet, by house number.
int JoyHouse(int planet) {
  switch (planet) {
    case Sun: return 9;
    case Moon: return 3;
    case Mercury: return 1;
    case Venus: return 5;
    case Mars: return 6;
    case Jupiter: return 11;
    case Saturn: return 12;
    default: return 0;
  }
}

bool InHouse(const ChartSet& natal, int house, double longitude, bool fiveDegreeRule) {
  const int entry = CuspEntryOfHouse(house);
  double start = natal.Cusp[entry], end = natal.Cusp[NextCuspEntry(entry)];
  if (fiveDegreeRule) {
    start = NormalizeDegrees(start - 5);
    end = NormalizeDegrees(end - 5);
  }
  if (std::fabs(end - start) < 180) return start <= longitude && longitude < end;
  return longitude >= start || longitude < end;  // the house spans 0 Aries
}

}  // namespace

PointList PeregrinePlanets(const PositionsAndSpeeds& positions) {
  return PointsWhere(kListPlanets, [&](int p) { return !positions.HasDignity(p); });
}

PointList PlanetsInDetriment(const ChartSet& natal) {
  return PointsWhere(PositionRowPlanets, [&](int p) { return DetrimentPlanet(SignOf(natal.Long[p])) == p; });
}

PointList PlanetsInFall(const ChartSet& natal) {
  return PointsWhere(PositionRowPlanets, [&](int p) { return FallPlanet(SignOf(natal.Long[p])) == p; });
}

PointList OutOfBoundsPoints(const ChartSet& natal) {
  constexpr int kPoints[] = {Sun, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto, Moon, Lilith};
  return PointsWhere(kPoints, [&](int p) { return std::fabs(natal.Decl[p]) > kOutOfBounds; });
}

Receptions ReceptionsOf(const ChartSet& natal) {
  constexpr int kWithOuterPlanets[] = {Sun, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto, Moon};
  auto mutualBySign = [](int planet, int partner, int partnerSign) {
    return partner > planet && IsOwnSign(planet, partnerSign);
  };
  Receptions r;
  r.bySign = ReceptionPass(natal, kListPlanets, DomicileRuler, mutualBySign);
  r.byModernRuler = ReceptionPass(natal, kWithOuterPlanets, ModernRuler, mutualBySign);
  r.byExaltation = ReceptionPass(natal, kListPlanets, ExaltationRuler, [](int planet, int partner, int partnerSign) {
    return partner > planet && partnerSign == ExaltationSignOf(planet);
  });
  r.mixed = ReceptionPass(natal, kListPlanets, ExaltationRuler,
                          [](int planet, int, int partnerSign) { return IsOwnSign(planet, partnerSign); });
  return r;
}

PointList PlanetsInViaCombusta(const ChartSet& natal) {
  return PointsWhere(kListPlanets, [&](int p) { return InViaCombusta(natal.Long[p]); });
}

SolarPhases SolarPhasesOf(const ChartSet& natal, const OptionTables& options) {
  const double orb = options.OptionValues[32];
  const bool beamsAcrossSigns = options.OptionValues[197] != 0;
  const int sunSign = SignOf(natal.Long[Sun]);
  SolarPhases phases;
  for (int p : kSunPhasePlanets) {
    const double d = SolarDistance(natal.Long[Sun], natal.Long[p]);
    const bool sameSign = SignOf(natal.Long[p]) == sunSign;
    if (d <= kCazimi) phases.cazimi.push_back(p);
    if (d > kCazimi && d <= orb && sameSign) phases.combust.push_back(p);
    if ((d > kCazimi && d <= orb && !sameSign && beamsAcrossSigns) ||
        (d > orb && d <= kBeams && (sameSign || beamsAcrossSigns)))
      phases.underSunsBeams.push_back(p);
  }
  return phases;
}

PointList FatefulDegreePoints(const ChartSet& natal) {
  const int nodeDegree = WholeDegreeInSign(natal.Long[NorthNode]);
  PointList list;
  for (int p = Sun; p <= LastMainPoint; ++p)
    if (p != NorthNode && p != PartOfFortune && WholeDegreeInSign(natal.Long[p]) == nodeDegree) list.push_back(p);
  return list;
}

PointList PlanetsInHouseOfJoy(const ChartSet& natal, const OptionTables& options) {
  const bool fiveDegreeRule = options.OptionValues[33] == 1;
  return PointsWhere(PositionRowPlanets,
                     [&](int p) { return InHouse(natal, JoyHouse(p), natal.Long[p], fiveDegreeRule); });
}

PointList BesiegedPlanets(const ChartSet& natal) {
  const double mars = natal.Long[Mars], saturn = natal.Long[Saturn];
  if (SignOf(mars) != SignOf(saturn)) return {};
  const double low = std::fmin(mars, saturn), high = std::fmax(mars, saturn);
  constexpr int kPlanets[] = {Sun, Mercury, Venus, Jupiter, Moon};
  return PointsWhere(kPlanets, [&](int p) { return natal.Long[p] >= low && natal.Long[p] <= high; });
}

PlanetaryStanding PlanetaryStandingOf(const ChartSet& natal, const OptionTables& options,
                                      const PositionsAndSpeeds& positions) {
  return {PeregrinePlanets(positions),
          PlanetsInDetriment(natal),
          PlanetsInFall(natal),
          OutOfBoundsPoints(natal),
          ReceptionsOf(natal),
          PlanetsInViaCombusta(natal),
          SolarPhasesOf(natal, options),
          FatefulDegreePoints(natal),
          PlanetsInHouseOfJoy(natal, options),
          BesiegedPlanets(natal)};
}

}  // namespace halcyra
