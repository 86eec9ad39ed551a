#include "core/compute_chart.h"

#include "core/angle_helpers.h"
#include "core/declinations.h"
#include "core/ephemeris_driver.h"
#include "core/house_row.h"
#include "core/house_systems.h"
#include "core/table_bodies.h"

namespace halcyra {

double SignedMotion(double degrees) {
  if (degrees > 180) return degrees - 360;
  if (degrees < -180) return degrees + 360;
  return degrees;
}

ChartSet ComputeChart(const ChartClock& clock, const ChartOptions& options, const StartupTables& tables,
                      ChartStatus* houses) {
  ChartSet set;
  set.Moment = clock.ListJulianDay;
  set.Vertex = clock.AngleVertex;
  set.EquatorialAsc = clock.AngleEquatorialAsc;
  set.CoAsc = clock.AngleCoAsc;
  set.PolarAsc = clock.AnglePolarAsc;
  set.SiderealText = SiderealTimeText(clock.SiderealHours, clock.SiderealMinutes, clock.SiderealSeconds);
  const ChartStatus status = ComputeHouseCusps(options.HouseSystem, clock, set.Cusp);
  if (houses) *houses = status;

  CalcPlanetPositions(MomentFromClock(clock), options.SkipNextDay, set);
  // points 26 to 31 are the cusps of houses 1 to 6: cusp entries 4 to 9
  for (int p = FirstHousePoint; p <= LastHousePoint; ++p) set.Long[p] = set.Cusp[p - FirstHousePoint + 4];
  CalcTableBodies(clock.ListJulianDay, tables, set);
  set.HouseTags = BuildPlanetHouseRow(set.Long, set.Cusp);

  // The ephemeris gives the day formula. The Ascendant itself counts, since
  // cusp entry 4 is not the Ascendant in the equal-from-MC, Meridian and
  // Morinus systems.
  const bool night = options.Fortune == FortuneFormula::Night ||
                     (options.Fortune == FortuneFormula::BySect && set.HouseOf(Sun) < 7);
  if (night) {
    set.Long[PartOfFortune] = NormalizeDegrees(set.Long[Sun] + clock.AscLong - set.Long[Moon]);
    set.HouseTags = BuildPlanetHouseRow(set.Long, set.Cusp);
  }

  // the clock holds the obliquity negated once the angles have run
  CalcDeclinations(set, -clock.Obliquity);
  // Only points 1 to 11 have a next-day longitude; the others count from 0.
  for (int p = 1; p <= NumPoints; ++p) set.Speed[p] = SignedMotion(set.LongNextDay[p] - set.Long[p]);
  return set;
}

ChartSet ComputeChart(const ChartMomentInput& moment, const ChartOptions& options, const StartupTables& tables,
                      ChartStatus* houses) {
  return ComputeChart(ComputeChartClock(moment), options, tables, houses);
}

}  // namespace halcyra
