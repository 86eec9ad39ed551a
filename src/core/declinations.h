#pragma once
// Declinations of the computed points, antiscia, and the progressed angles
// directed by solar arc.

namespace halcyra {

struct AppState;

// Declination (degrees, north positive) of an ecliptic longitude of
// latitude 0 for a positive obliquity in radians.
double EclipticDeclination(double longitude, double obliquityRad);

// Declinations of the North Node, Part of Fortune, Ascendant, Midheaven and
// the house points 26..31 of the working set; Lilith's is 0. Reads the
// obliquity as the chart clock holds it (negated).
void CalcDeclinations(AppState& app);

// The antiscion (mirror image across the Cancer-Capricorn axis) of a
// longitude, in [0, 360): 10 Aries gives 20 Virgo, 0 Libra gives 0 Aries.
double CalcAntiscion(double longitude);

// Ascendant longitude (degrees, [0, 360)) from the right ascension of the
// Midheaven (degrees), the obliquity (degrees) and the north-positive
// latitude (radians).
double CalcAscFromRamc(double ramcDeg, double obliquityDeg, double latitudeRad);

// Progressed Midheaven and Ascendant (PointLong 15 and 14 of the working
// set): the natal Midheaven moved by the arc of the progressed Sun. Leaves
// the chart clock's RAMC and negated obliquity at the progressed values.
void CalcSolarArcAngles(AppState& app);

}  // namespace halcyra
