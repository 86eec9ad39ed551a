#pragma once
// Sines, cosines and arctangents for the ephemeris. A series term's argument
// is a sum of whole multiples of a few angles; its sine and cosine follow
// from theirs by the addition theorems, which hold for the program's
// ten-decimal pi as for any other, so only the few angles go through SLEEF,
// gathered into batches it works two at a time. What does not carry over is
// a whole turn: 360 degrees are 2 Pi radians, not 2 pi, so an angle reduced
// into [0, 360) keeps its reduced value, callers take the sine of exactly
// the value the method forms, and where the method adds 360 degrees on the
// way the result turns on by TurnExcess.
//
// SLEEF picks its code for the processor on the first call of each
// function and stores that choice; nothing else here keeps state, so
// passes may run on several threads once one pass has run.
#include <sleef.h>

#include <array>
#include <cmath>
#include <cstddef>

#include "core/angle_helpers.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace halcyra {

struct SinCos {
  double sin, cos;
};

// Sines and cosines of N angles in radians by SLEEF, to 3.5 units in the
// last place: two at a time where the processor has SSE2 (every x86-64),
// which costs about what the C library takes for one.
template <std::size_t N>
std::array<SinCos, N> SinCosRadBatch(const std::array<double, N>& radians) {
  std::array<SinCos, N> r;
#if defined(__SSE2__)
  auto pair = [&](__m128d x, std::size_t k, std::size_t count) {
    const Sleef___m128d_2 sc = Sleef_sincosd2_u35(x);
    double sines[2], cosines[2];
    _mm_storeu_pd(sines, sc.x);
    _mm_storeu_pd(cosines, sc.y);
    for (std::size_t j = 0; j < count; ++j) r[k + j] = {sines[j], cosines[j]};
  };
  std::size_t k = 0;
  for (; k + 1 < N; k += 2) pair(_mm_loadu_pd(&radians[k]), k, 2);
  if (k < N) pair(_mm_set1_pd(radians[k]), k, 1);
#else
  for (std::size_t k = 0; k < N; ++k) {
    const Sleef_double2 sc = Sleef_sincos_u35(radians[k]);
    r[k] = {sc.x, sc.y};
  }
#endif
  return r;
}

// The same for angles in degrees.
template <std::size_t N>
std::array<SinCos, N> SinCosDegBatch(std::array<double, N> degrees) {
  for (double& d : degrees) d = d * Pi / 180;
  return SinCosRadBatch(degrees);
}

inline SinCos SinCosRad(double radians) { return SinCosRadBatch<1>({radians})[0]; }

inline SinCos SinCosDeg(double degrees) { return SinCosRad(degrees * Pi / 180); }

// a + b and a - b.
inline SinCos AngleSum(SinCos a, SinCos b) {
  return {a.sin * b.cos + a.cos * b.sin, a.cos * b.cos - a.sin * b.sin};
}
inline SinCos AngleDifference(SinCos a, SinCos b) {
  return {a.sin * b.cos - a.cos * b.sin, a.cos * b.cos + a.sin * b.sin};
}

// The sine and cosine of a small angle in radians by their Taylor series,
// to a few roundings for |x| <= 0.5: a step of Newton's method turns the
// previous angle's sine and cosine on without a library call. Below 0.01,
// where Newton's later steps fall, four terms of each reach the same.
inline SinCos SmallAngle(double x) {
  const double x2 = x * x;
  if (x2 < 0.0001)
    return {x * (1 - x2 * (1.0 / 6) * (1 - x2 * (1.0 / 20) * (1 - x2 * (1.0 / 42)))),
            1 - x2 * 0.5 * (1 - x2 * (1.0 / 12) * (1 - x2 * (1.0 / 30) * (1 - x2 * (1.0 / 56))))};
  const double s = 1 - x2 * (1.0 / 6) * (1 - x2 * (1.0 / 20) * (1 - x2 * (1.0 / 42) * (1 - x2 * (1.0 / 72) *
                   (1 - x2 * (1.0 / 110) * (1 - x2 * (1.0 / 156))))));
  const double c = 1 - x2 * 0.5 * (1 - x2 * (1.0 / 12) * (1 - x2 * (1.0 / 30) * (1 - x2 * (1.0 / 56) *
                   (1 - x2 * (1.0 / 90) * (1 - x2 * (1.0 / 132) * (1 - x2 * (1.0 / 182)))))));
  return {x * s, c};
}

// The sine and cosine of an angle in radians that is mostly small.
inline SinCos SinCosOfSmall(double x) { return std::fabs(x) <= 0.5 ? SmallAngle(x) : SinCosRad(x); }

// What adding 360 degrees to an angle adds in radians beyond a true turn:
// 2 Pi - 2 pi for the program's ten-decimal Pi. A reduction into [0, 360)
// turns an angle's sine and cosine on by this much (about 1e-8 degree).
inline constexpr double TurnExcess = 2 * (Pi - 3.14159265358979323846);

// An angle's sine and cosine turned on by a tiny angle (radians), whose
// cosine is 1 to the last bit.
inline SinCos TurnedOnByTiny(SinCos a, double tiny) { return {a.sin + a.cos * tiny, a.cos - a.sin * tiny}; }

// How far (radians) the longitude LongLatsOfRects gives for (x, y) runs
// ahead of the true direction of (x, y) once multiplied by Pi / 180: it is
// 2 atan(y / (|x| + rho)) for x >= 0 and y >= 0, that plus 360 degrees for
// y < 0, and 180 degrees less it for x < 0.
inline double QuadrantTurn(double x, double y) { return x >= 0 ? (y >= 0 ? 0 : TurnExcess) : TurnExcess / 2; }

// 0, x, 2x, ..., N x by the addition theorem, one step at a time: the
// error grows by about one rounding a step.
template <std::size_t N>
std::array<SinCos, N + 1> AngleMultiples(SinCos x) {
  std::array<SinCos, N + 1> m;
  m[0] = {0, 1};
  if constexpr (N >= 1) m[1] = x;
  for (std::size_t k = 2; k <= N; ++k) m[k] = AngleSum(m[k - 1], x);
  return m;
}

// k x from the table of AngleMultiples, k of either sign.
template <int k, std::size_t N>
SinCos Multiple(const std::array<SinCos, N>& multiples) {
  static_assert((k < 0 ? -k : k) < static_cast<int>(N), "multiple beyond the table");
  if constexpr (k < 0)
    return {-multiples[-k].sin, multiples[-k].cos};
  else
    return multiples[k];
}

namespace detail {
template <int k, std::size_t N>
void AddMultipleTo(SinCos& sum, bool& started, const std::array<SinCos, N>& multiples) {
  static_assert((k < 0 ? -k : k) < static_cast<int>(N), "multiple beyond the table");
  if constexpr (k > 0)
    sum = started ? AngleSum(sum, multiples[k]) : multiples[k];
  else if constexpr (k < 0)
    sum = started ? AngleDifference(sum, multiples[-k]) : Multiple<k>(multiples);
  if constexpr (k != 0) started = true;
}
}  // namespace detail

// k1 x1 + k2 x2 + ... from the tables of multiples of x1, x2, ..., taken
// from the left so that terms sharing their first multipliers share the
// products the compiler forms for them.
template <int... k, std::size_t... N>
SinCos Combination(const std::array<SinCos, N>&... multiples) {
  static_assert(sizeof...(k) == sizeof...(N));
  SinCos sum{0, 1};
  bool started = false;
  (detail::AddMultipleTo<k>(sum, started, multiples), ...);
  return sum;
}

// Arctangents (radians) of N numbers by SLEEF, two at a time as the sines.
template <std::size_t N>
std::array<double, N> AtanBatch(const std::array<double, N>& x) {
  std::array<double, N> r;
#if defined(__SSE2__)
  std::size_t k = 0;
  for (; k + 1 < N; k += 2) _mm_storeu_pd(&r[k], Sleef_atand2_u35(_mm_loadu_pd(&x[k])));
  if (k < N) r[k] = _mm_cvtsd_f64(Sleef_atand2_u35(_mm_set1_pd(x[k])));
#else
  for (std::size_t k = 0; k < N; ++k) r[k] = Sleef_atan_u35(x[k]);
#endif
  return r;
}

// Rectangular coordinates of a point; their unit is the caller's.
struct RectCoordinates {
  double x, y, z;
};

struct LongLat {
  double longitude, latitude;  // degrees, [0, 360) and [-90, 90]
};

// RectToSpherical's longitude and latitude of N points, its arctangents
// taken together: the longitude is 2 atan(y / (|x| + rho)) for x >= 0 and
// y >= 0, that plus 360 for y < 0 and 180 less it for x < 0; the latitude
// atan(z / rho); a point on the axis has longitude 0 and latitude +-90 or 0.
template <std::size_t N>
std::array<LongLat, N> LongLatsOfRects(const std::array<RectCoordinates, N>& p) {
  std::array<double, 2 * N> quotients;
  std::array<double, N> rho;
  for (std::size_t k = 0; k < N; ++k) {
    rho[k] = std::sqrt(p[k].x * p[k].x + p[k].y * p[k].y);
    quotients[2 * k] = rho[k] == 0 ? 0 : p[k].y / (std::fabs(p[k].x) + rho[k]);
    quotients[2 * k + 1] = rho[k] == 0 ? 0 : p[k].z / rho[k];
  }
  const std::array<double, 2 * N> angles = AtanBatch(quotients);
  std::array<LongLat, N> r;
  for (std::size_t k = 0; k < N; ++k) {
    const double half = 2 * RadToDeg(angles[2 * k]);
    if (p[k].x >= 0)
      r[k].longitude = p[k].y >= 0 ? half : half + 360;
    else
      r[k].longitude = 180 - half;
    if (rho[k] == 0)
      r[k].latitude = p[k].z > 0 ? 90 : (p[k].z < 0 ? -90 : 0);
    else
      r[k].latitude = RadToDeg(angles[2 * k + 1]);
  }
  return r;
}

// RectToSpherical's latitudes alone of N points.
template <std::size_t N>
std::array<double, N> LatitudesOfRects(const std::array<RectCoordinates, N>& p) {
  std::array<double, N> quotients, rho;
  for (std::size_t k = 0; k < N; ++k) {
    rho[k] = std::sqrt(p[k].x * p[k].x + p[k].y * p[k].y);
    quotients[k] = rho[k] == 0 ? 0 : p[k].z / rho[k];
  }
  const std::array<double, N> angles = AtanBatch(quotients);
  std::array<double, N> r;
  for (std::size_t k = 0; k < N; ++k)
    r[k] = rho[k] == 0 ? (p[k].z > 0 ? 90 : (p[k].z < 0 ? -90 : 0)) : RadToDeg(angles[k]);
  return r;
}

}  // namespace halcyra
