#pragma once
// The positions table of the horary reports: for each of the seven
// traditional planets the rulers of its place (sign, exaltation, detriment,
// fall, triplicity, term, face), whether it holds a dignity of its own
// there, and its speed against its mean motion; and the Moon's phase.
#include <array>
#include <string>

#include "state/chart_set.h"

namespace halcyra {

// The rows, in this order.
inline constexpr std::array<int, 7> PositionRowPlanets = {Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn};

enum DignityColumn { SignColumn, ExaltationColumn, DetrimentColumn, FallColumn, TriplicityColumn,
                     TermColumn, FaceColumn, DignityColumnCount };

struct PositionRow {
  int planet = 0;
  std::array<int, DignityColumnCount> cell{};  // point number of each column's planet; 0 for none
  // The planet rules its own place by sign, exaltation, triplicity, term
  // or face; standing in its detriment or fall is no dignity.
  bool hasDignity = false;
  std::string speedText;  // "stat", "FAST", "SLOW" or "AVG."
  bool retrograde = false;
};

struct PositionsAndSpeeds {
  std::array<PositionRow, 7> rows{};
  bool moonIncreasing = false;  // the Moon more than 0 and less than 180 degrees ahead of the Sun
  bool HasDignity(int planet) const;
};

// A day chart has the Sun in the 7th to 12th house.
bool IsDayChart(const ChartSet& natal);

// "stat" below 30 seconds of arc a day, else "FAST", "SLOW" or "AVG."
// against the planet's mean daily motion, by the size of the motion.
std::string SpeedText(int planet, double speed);

PositionsAndSpeeds PositionsAndSpeedsOf(const ChartSet& natal);

// "increasing in light" or "decreasing in light".
std::string MoonPhaseText(bool moonIncreasing);

}  // namespace halcyra
