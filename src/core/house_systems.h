#pragma once
// House cusps in nine systems and the sidereal-time text of a chart.
#include <string>

#include "core/chart_time.h"
#include "state/points.h"

namespace halcyra {

// House system codes: "P" Placidus, "K" Koch, "C" Campanus, "O" Porphyry,
// "EA" equal from the Ascendant, "EM" equal from the Midheaven, "M"
// Meridian, "I" Morinus; "R" and any other text give Regiomontanus.
// Codes compare exactly, so "p" is Regiomontanus too.

// Whether the system gives finite cusps at the latitude (decimal degrees):
// Placidus and Koch only inside the polar circle, Meridian and Morinus
// anywhere, the others short of the pole.
bool HouseSystemFitsLatitude(const std::string& system, double latitudeDeg, double obliquityDeg);

// Sidereal time text, "hhH  mmM  ssS ".
std::string SiderealTimeText(int hours, int minutes, int seconds);

// One intermediate Placidus cusp: start right ascension (radians), divisor
// 3 or 1.5, belowHorizon false for cusps 11 and 12, true for 2 and 3.
// The semi-arc is iterated until it moves less than 1e-10 radian (at most
// 50 passes). Returns the cusp longitude in degrees.
double CalcPlacidusCusp(double startRA, double divisor, bool belowHorizon,
                        double ramc, double obliquityHeld, double placidusLatitude);

// Cusps of the clock's chart (after the angles have run, obliquity held
// negated) in CuspIndex order into entries 1..12 of `cusps`; entries 0 and
// 13 are left alone. When the system cannot handle the latitude the table
// is left unchanged and LatitudeTooHigh comes back.
ChartStatus ComputeHouseCusps(const std::string& system, const ChartClock& clock, CuspTable& cusps);

}  // namespace halcyra
