#pragma once
// One chart computed as a value: from the chart clock of a moment and place
// (chart_time.h) to a complete chart set. The chart driver's natal, progressed
// and transit passes, the return and ingress charts and the wheel's time steps
// all take their charts from here.
#include <string>

#include "core/chart_time.h"
#include "state/chart_set.h"
#include "state/startup_tables.h"

namespace halcyra {

// The Part of Fortune: by day Moon + Ascendant - Sun, by night Sun +
// Ascendant - Moon, or by the chart's sect (night when the Sun stands in
// houses 1 to 6).
enum class FortuneFormula { Day, Night, BySect };

// What a chart reads of the options besides its moment and place.
struct ChartOptions {
  std::string HouseSystem = "P";
  FortuneFormula Fortune = FortuneFormula::Day;
  int SkipNextDay = 0;  // 1 leaves out the next-day pass (no retrograde flags)
};

// The chart of the clock's moment and place: the four special points, the
// cusps and sidereal time, the ephemeris bodies with their next-day pass,
// the Part of Fortune, the house points 26 to 31 (the cusps of houses 1 to
// 6), the table-driven bodies, the declinations, the house row and each
// point's daily motion; Moment is the clock's Julian date. The texts of date,
// clock, zone and place are the caller's to fill. When the house system
// cannot be computed at the place, *houses (if given) says so and the cusps
// and house points hold 0.
ChartSet ComputeChart(const ChartClock& clock, const ChartOptions& options, const StartupTables& tables,
                      ChartStatus* houses = nullptr);

// The same from a typed moment and place.
ChartSet ComputeChart(const ChartMomentInput& moment, const ChartOptions& options, const StartupTables& tables,
                      ChartStatus* houses = nullptr);

// A difference of longitudes brought into -180 to 180 degrees: above 180
// less 360, below -180 plus 360.
double SignedMotion(double degrees);

}  // namespace halcyra
