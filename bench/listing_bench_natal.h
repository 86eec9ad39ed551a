#pragma once
// The state the listing benchmarks start from: the shipped tables and
// DIURNAL.ORB from appdata/, and a natal chart of 14 March 1990, 10.30 P.M.
// at Boston from our own ephemeris.
#include <string>

#include "core/ephemeris_driver.h"
#include "core/table_bodies.h"
#include "reports/minute_listing.h"
#include "shell/settings_files.h"
#include "shell/startup_data.h"

namespace halcyra::bench {

inline void LoadListingNatal(AppState& s) {
  s.AppPath = HALCYRA_APPDATA_DIR;
  LoadStartupData(s, [](const std::string&) {});
  LoadDiurnalOrbs(s);
  const ListingPlace boston{5, Place::FromDegreesMinutes({71, 4}, false, {42, 21}, false)};
  const ChartClock clock = ListingClockAt(boston, {1990, 3, 14}, 22 * 60 + 30);
  ChartSet& natal = s.chart.Natal;
  CalcPlanetPositions(MomentFromClock(clock), 1, natal);
  CalcTableBodies(clock.ListJulianDay, s.tables, natal);
  natal.Vertex = clock.AngleVertex;
  natal.EquatorialAsc = clock.AngleEquatorialAsc;
  natal.CoAsc = clock.AngleCoAsc;
  natal.PolarAsc = clock.AnglePolarAsc;
}

}  // namespace halcyra::bench
