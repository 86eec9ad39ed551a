#pragma once
// Chiron, Lilith, TransPluto and the eight Uranian points, interpolated from
// the daily tables loaded at start-up. Record k of a table holds the noon of
// JD 2415000 + k; a moment outside the tables leaves its points at
// longitude and declination 0 with their NoData flag set, so reports can
// show them as unavailable.
#include "state/chart_set.h"
#include "state/startup_tables.h"

namespace halcyra {

// moment: Julian date with its fraction (day number + day fraction - 0.5).
// Each writes its points' Long, Decl, NoData and retrograde flag.
void CalcChironFromTable(double moment, const StartupTables& tables, ChartSet& set);
void CalcTransPlutoFromTable(double moment, const StartupTables& tables, ChartSet& set);
// Lilith (point 16) and Cupido to Poseidon (18 to 25).
void CalcUranianPointsFromTable(double moment, const StartupTables& tables, ChartSet& set);
// All three, as every full chart takes them.
void CalcTableBodies(double moment, const StartupTables& tables, ChartSet& set);

}  // namespace halcyra
