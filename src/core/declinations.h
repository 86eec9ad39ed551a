#pragma once
// Declinations of the computed points, antiscia, and the progressed angles
// directed by solar arc.

#include "state/chart_set.h"

namespace halcyra {

// Declination (degrees, north positive) of an ecliptic longitude of
// latitude 0 for a positive obliquity in radians.
double EclipticDeclination(double longitude, double obliquityRad);

// Declinations of the North Node, Part of Fortune, Ascendant, Midheaven and
// the house points 26..31 of a set from their longitudes, for the positive
// obliquity in radians; Lilith's is 0.
void CalcDeclinations(ChartSet& set, double obliquityRad);

// The antiscion (mirror image across the Cancer-Capricorn axis) of a
// longitude, in [0, 360): 10 Aries gives 20 Virgo, 0 Libra gives 0 Aries.
double CalcAntiscion(double longitude);

// Ascendant longitude (degrees, [0, 360)) from the right ascension of the
// Midheaven (degrees), the obliquity (degrees) and the north-positive
// latitude (radians).
double CalcAscFromRamc(double ramcDeg, double obliquityDeg, double latitudeRad);

// Progressed Midheaven and Ascendant: the natal Midheaven moved by the arc
// of the progressed Sun, and the Ascendant of its right ascension at the
// north-positive latitude (radians), both for the obliquity in degrees.
struct DirectedAngles {
  double Midheaven = 0, Ascendant = 0;
};
DirectedAngles CalcSolarArcAngles(double natalMidheaven, double arc, double obliquityDeg, double latitudeRad);

}  // namespace halcyra
