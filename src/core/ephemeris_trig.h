#pragma once
// Sine and cosine of one angle in degrees from one call. The degree
// conversion is SinDeg's and CosDeg's to the bit, and the C library's
// sincos gives the bits of its sin and cos, so the ephemeris may use either
// without changing a result (a test holds this). Also the two angles of
// RectToSpherical without the distance, which no ephemeris caller uses.
#include <cmath>

#include "core/angle_helpers.h"

namespace halcyra {

struct SinCos {
  double sin, cos;
};

inline SinCos SinCosDeg(double degrees) {
  SinCos r;
  ::sincos(degrees * Pi / 180, &r.sin, &r.cos);
  return r;
}

// RectToSpherical's latitude to the bit, without its longitude's arctangent.
inline double LatitudeOfRect(double x, double y, double z) {
  const double rho = std::sqrt(x * x + y * y);
  if (rho == 0) return z > 0 ? 90 : (z < 0 ? -90 : 0);
  return RadToDeg(std::atan(z / rho));
}

struct LongLat {
  double longitude, latitude;  // degrees, [0, 360) and [-90, 90]
};

// RectToSpherical's longitude and latitude to the bit.
inline LongLat LongLatOfRect(double x, double y, double z) {
  const double rho = std::sqrt(x * x + y * y);
  LongLat r;
  if (x == 0 && y == 0) {
    r.longitude = 0;
  } else {
    const double half = 2 * RadToDeg(std::atan(y / (std::fabs(x) + rho)));
    if (x >= 0)
      r.longitude = y >= 0 ? half : half + 360;
    else
      r.longitude = 180 - half;
  }
  if (rho == 0)
    r.latitude = z > 0 ? 90 : (z < 0 ? -90 : 0);
  else
    r.latitude = RadToDeg(std::atan(z / rho));
  return r;
}

}  // namespace halcyra
