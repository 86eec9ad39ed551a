#include "horary/positions_and_speeds.h"

#include <cmath>

#include "horary/essential_dignities.h"
#include "horary/zodiac.h"

namespace halcyra {

namespace {

// Mean daily motions, degrees; Mercury and Venus are judged by the Sun's.
double MeanDailyMotion(int planet) {
  switch (planet) {
    case Mars: return 0.524344;
    case Jupiter: return 0.083251;
    case Saturn: return 0.033697;
    case Moon: return 13.176541;
    default: return 0.9856103;
  }
}

constexpr double kStationary = 0.00833333;  // 30 seconds of arc a day

}  // namespace

bool PositionsAndSpeeds::HasDignity(int planet) const {
  for (const PositionRow& row : rows)
    if (row.planet == planet) return row.hasDignity;
  return false;
}

bool IsDayChart(const ChartSet& natal) { return natal.HouseOf(Sun) >= 7; }

std::string SpeedText(int planet, double speed) {
  const double v = std::fabs(speed);
  if (v < kStationary) return "stat";
  const double mean = MeanDailyMotion(planet);
  return v > mean ? "FAST" : v < mean ? "SLOW" : "AVG.";
}

PositionsAndSpeeds PositionsAndSpeedsOf(const ChartSet& natal) {
  PositionsAndSpeeds table;
  const bool day = IsDayChart(natal);
  for (size_t i = 0; i < PositionRowPlanets.size(); ++i) {
    PositionRow& row = table.rows[i];
    row.planet = PositionRowPlanets[i];
    const double longitude = natal.Long[row.planet];
    const int sign = SignOf(longitude);
    row.cell = {DomicileRuler(sign),           ExaltationRuler(sign), DetrimentPlanet(sign),
                FallPlanet(sign),              TriplicityRuler(sign, day), TermRuler(longitude),
                FaceRuler(longitude)};
    for (int column : {SignColumn, ExaltationColumn, TriplicityColumn, TermColumn, FaceColumn})
      row.hasDignity = row.hasDignity || row.cell[column] == row.planet;
    row.speedText = SpeedText(row.planet, natal.Speed[row.planet]);
    row.retrograde = natal.Retrograde(row.planet);
  }
  double elongation = natal.Long[Sun] - natal.Long[Moon];
  if (elongation < 0) elongation += 360;
  table.moonIncreasing = elongation > 180;
  return table;
}

std::string MoonPhaseText(bool moonIncreasing) {
  return moonIncreasing ? "increasing in light" : "decreasing in light";
}

}  // namespace halcyra
