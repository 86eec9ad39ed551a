#pragma once
// Sine and cosine of one angle in degrees from one call. The degree
// conversion is SinDeg's and CosDeg's to the bit, and the C library's
// sincos gives the bits of its sin and cos, so the ephemeris may use either
// without changing a result (a test holds this).
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

}  // namespace halcyra
