#pragma once
// Degree and radian arithmetic, the d.mm notation of typed values, plane and
// spherical coordinate conversion and the zodiac sign split of a longitude.
// Every conversion uses the program's ten-decimal pi; the tiny error it
// carries (cos 90 deg is about 4.5e-11) is part of the published figures.

#include <cmath>

namespace halcyra {

inline constexpr double Pi = 3.1415926535;

// Whole part toward minus infinity, also for negative numbers.
inline double Int(double x) { return std::floor(x); }

// Int(x) as an int; a NaN or infinite value gives 0 and values beyond the int
// range are clamped, so no caller ever converts an invalid number.
int WholeOf(double x);

inline double DegToRad(double degrees) { return degrees * Pi / 180; }
inline double RadToDeg(double radians) { return radians * 180 / Pi; }
inline double SinDeg(double degrees) { return std::sin(degrees * Pi / 180); }
inline double CosDeg(double degrees) { return std::cos(degrees * Pi / 180); }

// Both bring an angle into [0, 360); two names for two groups of callers.
// A tiny negative input rounds up to exactly 360, which is 0.
inline double Normalize360(double degrees) {
  double r = degrees - 360 * Int(degrees / 360);
  if (r >= 360) r -= 360;
  return r;
}
inline double NormalizeDegrees(double degrees) {
  double r = degrees >= 0 ? degrees - 360 * Int(degrees / 360)
                          : degrees - 360 * (Int(degrees / 360) + 1) + 360;
  if (r >= 360) r -= 360;
  return r;
}

// Two decimals, halves up.
double Round2(double x);

// 1.30 (one unit thirty minutes) <-> 1.5; -1.30 <-> -1.5.
double DotMinutesToDecimal(double dotMinutes);
double DecimalToDotMinutes(double decimal);

// Radians; ArcCos is negative for x < 0 and the caller adds pi.
inline double ArcSin(double x) { return std::atan(x / std::sqrt(1 - x * x)); }
inline double ArcCos(double x) { return std::atan(std::sqrt(1 - x * x) / x); }

struct RectPoint {
  double x = 0, y = 0;
};
struct PolarPoint {
  double radius = 0, angle = 0;  // angle in radians, [0, 2 pi)
};
struct SphericalPoint {
  double distance = 0, rho = 0;
  double longitude = 0;  // degrees, [0, 360)
  double latitude = 0;   // degrees, [-90, 90]
};

// An exact zero angle (PolarToRect) or ordinate (RectToPolar) stands in as
// this many radians, so no arctangent quotient divides zero by zero.
inline constexpr double ZeroGuard = 1.74533E-09;

RectPoint PolarToRect(double angleRad, double radius);
PolarPoint RectToPolar(double x, double y);

// The angle of RectToPolar alone, radians [0, 2 pi).
inline double PolarAngle(double x, double y) {
  if (y == 0) y = ZeroGuard;
  double a = std::atan(y / x);
  if (a < 0) a += Pi;
  if (y < 0) a += Pi;
  return a;
}
SphericalPoint RectToSpherical(double x, double y, double z);

// Right ascension (degrees, [0, 360)) of an ecliptic point of latitude 0.
double CalcQuadrantAngle(double longitude, double obliquityDeg);

struct SignDegMin {
  int sign = 0;           // 1 Aries .. 12 Pisces
  int degrees = 0;        // whole degrees in the sign
  int minutes = 0;        // rounded, at most 59
  double exactMinutes = 0;  // minutes with fraction, before rounding
};
struct SignDegMinSec {
  int sign = 0, degrees = 0, minutes = 0, seconds = 0;  // minutes, seconds truncated
};

SignDegMin SplitSignDegMin(double angle);
SignDegMinSec SplitSignDegMinSec(double angle);

}  // namespace halcyra
