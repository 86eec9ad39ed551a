#pragma once
// Degree and radian arithmetic, the d.mm notation of typed values, plane and
// spherical coordinate conversion and the zodiac sign split of a longitude.
// Every conversion uses the program's ten-decimal pi; the tiny error it
// carries (cos 90 deg is about 4.5e-11) is part of the published figures.

namespace halcyra {

inline constexpr double Pi = 3.1415926535;

// Whole part toward minus infinity, also for negative numbers.
double Int(double x);

// Int(x) as an int; a NaN or infinite value gives 0 and values beyond the int
// range are clamped, so no caller ever converts an invalid number.
int WholeOf(double x);

double DegToRad(double degrees);
double RadToDeg(double radians);
double SinDeg(double degrees);
double CosDeg(double degrees);

// Both bring an angle into [0, 360); two names for two groups of callers.
double Normalize360(double degrees);
double NormalizeDegrees(double degrees);

// Two decimals, halves up.
double Round2(double x);

// 1.30 (one unit thirty minutes) <-> 1.5.
double DotMinutesToDecimal(double dotMinutes);
double DecimalToDotMinutes(double decimal);

// Radians; ArcCos is negative for x < 0 and the caller adds pi.
double ArcSin(double x);
double ArcCos(double x);

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

RectPoint PolarToRect(double angleRad, double radius);
PolarPoint RectToPolar(double x, double y);
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
