#pragma once
// The values that travel between the element step, the perturbation series
// and Kepler's equation of the planetary solution.

namespace halcyra {

// Kilometres per astronomical unit: every radius and semi-axis of the
// planetary solution is in km.
inline constexpr double AUKm = 149597870;

// Body numbers of the planetary solution; 2 to 9 equal the chart's point
// numbers, 1 is the Earth, which is never a chart point.
inline constexpr int EarthBody = 1;

// One instantaneous orbit: semi-axis in km, angles in degrees. L and Peri
// are the element step's working values (mean longitude, longitude of
// perihelion).
struct PlanetOrbit {
  double a = 0, e = 0, i = 0, Node = 0, w = 0, M = 0;
  double L = 0, Peri = 0;
};

// Heliocentric ecliptic longitude and latitude (degrees) and radius (km).
struct HelioPosition {
  double Long = 0, Lat = 0, Radius = 0;
};

// Geocentric ecliptic longitude ([0, 360)) and latitude, degrees, and the
// rectangular ecliptic coordinates (km) they were taken from.
struct GeoPosition {
  double Long = 0, Lat = 0;
  double x = 0, y = 0, z = 0;
};

}  // namespace halcyra
