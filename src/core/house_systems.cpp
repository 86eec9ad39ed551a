#include "core/house_systems.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "core/angle_helpers.h"

namespace halcyra {

namespace {

// Cusps indexed by house number 1..12 (1 = first house).
using HouseCusps = std::array<double, 13>;

constexpr double kPlacidusTolerance = 1e-10;  // radians of right ascension
constexpr int kPlacidusMaxPasses = 50;

// Angle of the point (d, n) in degrees [0, 360), by the arctangent of n / d
// and a half turn for each of a negative quotient and a negative n.
double QuadrantAngle(double n, double d) {
  double q = std::atan(n / d);
  if (q < 0) q += Pi;
  if (n < 0) q += Pi;
  return Normalize360(RadToDeg(q));
}

// The twelve house circles at E = 30 h + 60 degrees (h = 1 is the horizon),
// with the sines and cosines every chart needs, computed once.
// `kochSine`/`kochCosine` are those of E brought into [0, 360) first.
struct HouseCircles {
  double angle[13], sine[13], cosine[13];
  double kochSine[13], kochCosine[13];
};
const HouseCircles& Circles() {
  static const HouseCircles circles = [] {
    HouseCircles t{};
    for (int h = 1; h <= 12; ++h) {
      t.angle[h] = DegToRad(30.0 * h + 60);
      t.sine[h] = std::sin(t.angle[h]);
      t.cosine[h] = std::cos(t.angle[h]);
      const double koch = DegToRad(Normalize360(30.0 * h + 60));
      t.kochSine[h] = std::sin(koch);
      t.kochCosine[h] = std::cos(koch);
    }
    return t;
  }();
  return circles;
}

// sin and cos of a + b from those of a and b: the houses turn the meridian
// by fixed steps, so one sine and cosine of RAMC serves every cusp.
struct SinCos {
  double s, c;
};
inline SinCos Turned(SinCos a, double sinB, double cosB) {
  return {a.s * cosB + a.c * sinB, a.c * cosB - a.s * sinB};
}
inline SinCos SinCosOf(double x) { return {std::sin(x), std::cos(x)}; }

// Minus the place latitude in radians; exactly 0 at the equator. The sign
// of the latitude carries a southern chart through the same formulas.
double PlaceLatitude(const ChartClock& c) { return -DegToRad(c.Where.Latitude); }

// One pass of the Placidus iteration: the right ascension whose semi-arc
// (diurnal above the horizon, nocturnal below) is divided as the cusp asks.
// tanProduct is tan(e) tan(p): tan(eps) tan(phi) of the place.
inline double PlacidusPass(double h, double tanProduct, double ramc, double divisor, bool belowHorizon) {
  const double k = belowHorizon ? 1 : -1;
  double a = ArcCos(k * std::sin(h) * tanProduct);
  if (a < 0) a += Pi;
  return belowHorizon ? ramc + Pi - a / divisor : ramc + a / divisor;
}

// Ecliptic longitude (degrees) of the point of right ascension h.
inline double PlacidusLongitude(double h, double obliquityHeld) {
  double q = std::atan(std::tan(h) / std::cos(obliquityHeld));
  if (q < 0) q += Pi;
  if (std::sin(h) < 0) q += Pi;
  return RadToDeg(q);
}

void Placidus(const ChartClock& c, HouseCusps& r) {
  // The semi-arcs never divide by tan(latitude), so they take the true
  // latitude: the equator stand-in of PlacidusLatitude would move the
  // intermediate cusps of an equator chart by half an arc-second.
  const double ramc = c.RAMC, e = c.Obliquity, p = PlaceLatitude(c);
  const double tanProduct = std::tan(e) * std::tan(p);
  r[1] = Normalize360(c.AscLong);
  r[4] = Normalize360(c.MCLong + 180);

  // Cusps 11, 12, 2 and 3 iterate side by side, each to its own tolerance,
  // exactly as CalcPlacidusCusp would one at a time; the four independent
  // chains keep the processor busy while each waits for its sine.
  const double divisor[4] = {3, 1.5, 1.5, 3};
  const bool below[4] = {false, false, true, true};
  double h[4] = {ramc + DegToRad(30), ramc + DegToRad(60), ramc + DegToRad(120), ramc + DegToRad(150)};
  bool moving[4] = {true, true, true, true};
  for (int pass = 0; pass < kPlacidusMaxPasses && (moving[0] || moving[1] || moving[2] || moving[3]); ++pass) {
    for (int i = 0; i < 4; ++i) {
      if (!moving[i]) continue;
      const double next = PlacidusPass(h[i], tanProduct, ramc, divisor[i], below[i]);
      moving[i] = std::fabs(next - h[i]) >= kPlacidusTolerance;
      h[i] = next;
    }
  }
  // cusps 11 and 12 are stored as their opposites, 5 and 6
  r[5] = Normalize360(PlacidusLongitude(h[0], e) + 180);
  r[6] = Normalize360(PlacidusLongitude(h[1], e) + 180);
  r[2] = PlacidusLongitude(h[2], e);
  r[3] = PlacidusLongitude(h[3], e);
  for (int h = 1; h <= 12; ++h) {
    r[h] = Normalize360(r[h]);
    if (h > 6) r[h] = Normalize360(r[h - 6] + 180);
  }
}

void Koch(const ChartClock& c, HouseCusps& r) {
  const double e = c.Obliquity, p = PlaceLatitude(c);
  // ascensional difference of the Midheaven, shared out in thirds
  const double d = ArcSin(std::sin(c.RAMC) * std::tan(p) * std::tan(e));
  const SinCos third = SinCosOf(d / 3), twoThirds = SinCosOf(2 * d / 3), whole = SinCosOf(d);
  const SinCos ramc = SinCosOf(c.RAMC);
  const double tanPSinE = std::tan(p) * std::sin(e), cosE = std::cos(e);
  const HouseCircles& circle = Circles();
  // house:          1  2  3   4   5   6   7  8  9  10  11  12
  constexpr int kThirds[13] = {0, 0, 1, 2, -3, -2, -1, 0, 1, 2, -3, -2, -1};
  for (int h = 1; h <= 12; ++h) {
    const double s = (h <= 3 || h >= 10) ? 1 : -1;
    const int n = kThirds[h];
    const SinCos step = n == 0 ? SinCos{0, 1} : (std::abs(n) == 1 ? third : (std::abs(n) == 2 ? twoThirds : whole));
    const double stepSine = n < 0 ? -step.s : step.s;
    const SinCos hr = Turned(Turned(ramc, circle.kochSine[h], circle.kochCosine[h]), stepSine, step.c);
    r[h] = QuadrantAngle(hr.s, hr.c * cosE - s * tanPSinE);
  }
}

void Campanus(const ChartClock& c, HouseCusps& r) {
  const double e = c.Obliquity, p = PlaceLatitude(c);
  const double cosP = std::cos(p), tanP = std::tan(p), sinE = std::sin(e), cosE = std::cos(e);
  const SinCos ramc = SinCosOf(c.RAMC);
  const HouseCircles& pv = Circles();
  for (int h = 1; h <= 12; ++h) {
    // The prime-vertical circle pv meets the equator at the angle A from
    // the meridian with tan A = tan pv cos(lat), in pv's own quadrant: the
    // direction (cos pv, sin pv cos(lat)). Taking it as a direction keeps
    // the horizon (pv = 90 degrees) exact; a nudge off the horizon would
    // move the first and seventh cusps off the Ascendant by up to 1e-4
    // degree near latitude 66, enough to put the Ascendant in the twelfth.
    const double y = pv.sine[h] * cosP, x = pv.cosine[h];
    const double length = std::sqrt(x * x + y * y);
    const SinCos turn{y / length, x / length};
    const SinCos hr = Turned(ramc, turn.s, turn.c);
    r[h] = QuadrantAngle(hr.s, hr.c * cosE - tanP * turn.s * sinE);
  }
}

void Porphyry(const ChartClock& c, HouseCusps& r) {
  double q1 = c.AscLong - c.MCLong;
  if (q1 < 0) q1 += 360;
  for (int i = 1; i <= 2; ++i) r[4 + i] = Normalize360(c.MCLong + 180 + i * q1 / 3);
  double q2 = Normalize360(c.MCLong + 180) - c.AscLong;
  if (q2 < 0) q2 += 360;
  r[1] = c.AscLong;
  for (int i = 1; i <= 3; ++i) r[1 + i] = Normalize360(c.AscLong + i * q2 / 3);
  for (int i = 1; i <= 6; ++i) r[6 + i] = Normalize360(r[i] + 180);
}

enum class EquatorialKind { Meridian, Morinus, Regiomontanus };

void EquatorialDivision(const ChartClock& c, EquatorialKind kind, HouseCusps& r) {
  const double e = c.Obliquity, p = PlaceLatitude(c);
  const double cosE = std::cos(e), sinE = std::sin(e), tanP = std::tan(p);
  const SinCos ramc = SinCosOf(c.RAMC);
  const HouseCircles& eq = Circles();
  for (int h = 1; h <= 12; ++h) {
    const SinCos hr = Turned(ramc, eq.sine[h], eq.cosine[h]);
    switch (kind) {
      case EquatorialKind::Meridian: r[h] = QuadrantAngle(hr.s, hr.c * cosE); break;
      case EquatorialKind::Morinus: r[h] = QuadrantAngle(hr.s * cosE, hr.c); break;
      case EquatorialKind::Regiomontanus:
        r[h] = QuadrantAngle(hr.s, hr.c * cosE - tanP * eq.sine[h] * sinE);
        break;
    }
  }
}

bool AllFinite(const CuspTable& t) {
  for (int i = 1; i <= 12; ++i)
    if (!std::isfinite(t[i])) return false;
  return true;
}

}  // namespace

bool HouseSystemFitsLatitude(const std::string& system, double latitudeDeg, double obliquityDeg) {
  const double lat = std::fabs(latitudeDeg);
  if (system == "M" || system == "I") return true;
  // the semi-arcs and the ascensional difference need tan(lat) tan(eps) below 1
  if (system == "P" || system == "K") return lat < 90 - std::fabs(obliquityDeg);
  return lat < 90;
}

std::string SiderealTimeText(int hours, int minutes, int seconds) {
  auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  return two(hours) + "H  " + two(minutes) + "M  " + two(seconds) + "S ";
}

double CalcPlacidusCusp(double startRA, double divisor, bool belowHorizon,
                        double ramc, double obliquityHeld, double placidusLatitude) {
  const double tanProduct = std::tan(obliquityHeld) * std::tan(placidusLatitude);
  double h = startRA;
  for (int pass = 0; pass < kPlacidusMaxPasses; ++pass) {
    const double next = PlacidusPass(h, tanProduct, ramc, divisor, belowHorizon);
    const bool moving = std::fabs(next - h) >= kPlacidusTolerance;  // a NaN stops too
    h = next;
    if (!moving) break;
  }
  return PlacidusLongitude(h, obliquityHeld);
}

ChartStatus ComputeHouseCusps(const std::string& system, const ChartClock& clock, CuspTable& cusps) {
  const double latDeg = clock.Where.Latitude;
  if (!HouseSystemFitsLatitude(system, latDeg, clock.ObliquityDeg))
    return ChartStatus::LatitudeTooHigh;

  CuspTable out = cusps;
  if (system == "EA") {
    out[4] = clock.AscLong;
    for (int i = 5; i <= 12; ++i) out[i] = NormalizeDegrees(out[i - 1] + 30);
    out[1] = NormalizeDegrees(out[12] + 30);
    for (int i = 2; i <= 3; ++i) out[i] = NormalizeDegrees(out[i - 1] + 30);
  } else if (system == "EM") {
    out[1] = clock.MCLong;
    for (int i = 2; i <= 12; ++i) out[i] = NormalizeDegrees(out[i - 1] + 30);
  } else {
    HouseCusps r{};
    if (system == "P")
      Placidus(clock, r);
    else if (system == "K")
      Koch(clock, r);
    else if (system == "C")
      Campanus(clock, r);
    else if (system == "O")
      Porphyry(clock, r);
    else if (system == "M")
      EquatorialDivision(clock, EquatorialKind::Meridian, r);
    else if (system == "I")
      EquatorialDivision(clock, EquatorialKind::Morinus, r);
    else
      EquatorialDivision(clock, EquatorialKind::Regiomontanus, r);
    for (int h = 1; h <= 12; ++h) out[CuspEntryOfHouse(h)] = r[h];
  }
  for (int i = 1; i <= 12; ++i) out[i] = NormalizeDegrees(out[i]);

  if (!AllFinite(out)) return ChartStatus::LatitudeTooHigh;
  cusps = out;
  return ChartStatus::Ok;
}

}  // namespace halcyra
