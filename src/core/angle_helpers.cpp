#include "core/angle_helpers.h"

#include <climits>
#include <cmath>

namespace halcyra {

int WholeOf(double x) {
  if (!std::isfinite(x)) return 0;
  const double whole = std::floor(x);
  if (whole >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (whole <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(whole);
}

double Round2(double x) { return Int(x * 100 + 0.5) / 100; }

// Both conversions work on the magnitude and put the sign back: with the
// floor taken of a negative value, -1.30 (1 degree 30 minutes east) would
// come out as -1.83 instead of -1.5. Magnitudes give the same results.
double DotMinutesToDecimal(double dotMinutes) {
  const double m = std::fabs(dotMinutes);
  const double decimal = Int(m) + (m - Int(m)) * 100 / 60;
  return dotMinutes < 0 ? -decimal : decimal;
}

double DecimalToDotMinutes(double decimal) {
  const double m = std::fabs(decimal);
  const double dot = Int(m) + (m - Int(m)) * 60 / 100;
  return decimal < 0 ? -dot : dot;
}

RectPoint PolarToRect(double angleRad, double radius) {
  if (angleRad == 0) angleRad = ZeroGuard;
  return {std::cos(angleRad) * radius, std::sin(angleRad) * radius};
}

PolarPoint RectToPolar(double x, double y) {
  if (y == 0) y = ZeroGuard;
  return {std::sqrt(x * x + y * y), PolarAngle(x, y)};
}

SphericalPoint RectToSpherical(double x, double y, double z) {
  SphericalPoint s;
  s.distance = std::sqrt(x * x + y * y + z * z);
  s.rho = std::sqrt(x * x + y * y);
  if (x == 0 && y == 0) {
    s.longitude = 0;
  } else {
    // half-angle form stays accurate near the x axis
    const double half = 2 * RadToDeg(std::atan(y / (std::fabs(x) + s.rho)));
    if (x >= 0)
      s.longitude = y >= 0 ? half : half + 360;
    else
      s.longitude = 180 - half;
  }
  if (s.rho == 0)
    s.latitude = z > 0 ? 90 : (z < 0 ? -90 : 0);
  else
    s.latitude = RadToDeg(std::atan(z / s.rho));
  return s;
}

double CalcQuadrantAngle(double longitude, double obliquityDeg) {
  const double lon = NormalizeDegrees(longitude);
  const double r = SinDeg(lon) * CosDeg(obliquityDeg) / CosDeg(lon);
  const double a = RadToDeg(std::atan(r));
  if (r >= 0) return lon <= 180 ? a : a + 180;
  return lon <= 180 ? a + 180 : NormalizeDegrees(a);
}

namespace {
struct SignAndDegree {
  int sign, degrees;
  double whole;
};
SignAndDegree SplitWholeDegrees(double angle) {
  const double d = Int(angle);
  const double signs = d / 30;
  // the rounding absorbs the division error that would leave 4.9999 for 5
  return {WholeOf(Int(signs) + 1), WholeOf(Round2((signs - Int(signs)) * 30)), d};
}
}  // namespace

SignDegMin SplitSignDegMin(double angle) {
  const SignAndDegree sd = SplitWholeDegrees(angle);
  SignDegMin r;
  r.sign = sd.sign;
  r.degrees = sd.degrees;
  r.exactMinutes = (angle - sd.whole) * 60;
  r.minutes = WholeOf(r.exactMinutes + 0.5);
  if (r.minutes >= 60) r.minutes = 59;  // no carry into the degrees
  return r;
}

SignDegMinSec SplitSignDegMinSec(double angle) {
  const SignAndDegree sd = SplitWholeDegrees(angle);
  const double f = (angle - sd.whole) * 60;
  SignDegMinSec r;
  r.sign = sd.sign;
  r.degrees = sd.degrees;
  r.minutes = WholeOf(f);
  r.seconds = WholeOf((f - Int(f)) * 60);
  return r;
}

}  // namespace halcyra
