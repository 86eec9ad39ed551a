#include "core/house_systems.h"

#include <array>
#include <cmath>

#include "core/angle_helpers.h"
#include "state/app_state.h"

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

// Minus the place latitude in radians; exactly 0 at the equator.
double PlaceLatitude(const ChartClock& c) {
  double lat = (c.CalcGeoLat - Int(c.CalcGeoLat)) * 100 / 60 + Int(c.CalcGeoLat);
  if (c.NSText == "SOUTH") lat = -lat;
  return -DegToRad(lat);
}

void Placidus(const ChartClock& c, HouseCusps& r) {
  // The semi-arcs never divide by tan(latitude), so they take the true
  // latitude: the equator stand-in of PlacidusLatitude would move the
  // intermediate cusps of an equator chart by half an arc-second.
  const double ramc = c.RAMC, e = c.Obliquity, p = PlaceLatitude(c);
  r[1] = Normalize360(c.AscLong);
  r[4] = Normalize360(c.MCLong + 180);
  // cusps 11 and 12 are stored as their opposites, 5 and 6
  r[5] = Normalize360(CalcPlacidusCusp(ramc + DegToRad(30), 3, false, ramc, e, p) + 180);
  r[6] = Normalize360(CalcPlacidusCusp(ramc + DegToRad(60), 1.5, false, ramc, e, p) + 180);
  r[2] = CalcPlacidusCusp(ramc + DegToRad(120), 1.5, true, ramc, e, p);
  r[3] = CalcPlacidusCusp(ramc + DegToRad(150), 3, true, ramc, e, p);
  for (int h = 1; h <= 12; ++h) {
    r[h] = Normalize360(r[h]);
    if (h > 6) r[h] = Normalize360(r[h - 6] + 180);
  }
}

void Koch(const ChartClock& c, HouseCusps& r) {
  const double e = c.Obliquity, p = PlaceLatitude(c);
  // ascensional difference of the Midheaven
  const double dDeg = RadToDeg(ArcSin(std::sin(c.RAMC) * std::tan(p) * std::tan(e)));
  const double ramcDeg = RadToDeg(c.RAMC);
  const double tanPSinE = std::tan(p) * std::sin(e), cosE = std::cos(e);
  for (int h = 1; h <= 12; ++h) {
    const double a = Normalize360(30.0 * h + 60);
    double s, part;
    if (a < 180) {
      s = 1;
      part = a / 90 - 1;
    } else {
      s = -1;
      part = a / 90 - 3;
    }
    const double hRad = DegToRad(Normalize360(ramcDeg + a + part * dDeg));
    r[h] = QuadrantAngle(std::sin(hRad), std::cos(hRad) * cosE - s * tanPSinE);
  }
}

void Campanus(const ChartClock& c, HouseCusps& r) {
  const double ramc = c.RAMC, e = c.Obliquity, p = PlaceLatitude(c);
  const double cosP = std::cos(p), tanP = std::tan(p), sinE = std::sin(e), cosE = std::cos(e);
  for (int h = 1; h <= 12; ++h) {
    // Exactly on the horizon tan(pv) is large but finite in double
    // precision. A nudge off the horizon would move the first and seventh
    // cusps off the Ascendant by up to 1e-4 degree near latitude 66, enough
    // to put the Ascendant itself into the twelfth house.
    const double pv = DegToRad(30.0 * h + 60);
    double a = std::atan(std::tan(pv) * cosP);
    if (a < 0) a += Pi;
    if (std::sin(pv) < 0) a += Pi;
    r[h] = QuadrantAngle(std::sin(ramc + a), std::cos(ramc + a) * cosE - tanP * std::sin(a) * sinE);
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
  for (int h = 1; h <= 12; ++h) {
    const double eq = DegToRad(30.0 * h + 60);
    const double hr = c.RAMC + eq;
    const double sinH = std::sin(hr), cosH = std::cos(hr);
    switch (kind) {
      case EquatorialKind::Meridian: r[h] = QuadrantAngle(sinH, cosH * cosE); break;
      case EquatorialKind::Morinus: r[h] = QuadrantAngle(sinH * cosE, cosH); break;
      case EquatorialKind::Regiomontanus:
        r[h] = QuadrantAngle(sinH, cosH * cosE - tanP * std::sin(eq) * sinE);
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
  const double k = belowHorizon ? 1 : -1;
  const double tanProduct = std::tan(obliquityHeld) * std::tan(placidusLatitude);
  double h = startRA;
  for (int pass = 0; pass < kPlacidusMaxPasses; ++pass) {
    const double x = k * std::sin(h) * tanProduct;
    double a = ArcCos(x);  // the semi-arc: diurnal above the horizon, nocturnal below
    if (a < 0) a += Pi;
    const double next = belowHorizon ? ramc + Pi - a / divisor : ramc + a / divisor;
    const double change = std::fabs(next - h);
    h = next;
    if (!(change >= kPlacidusTolerance)) break;  // also ends on a NaN
  }
  double q = std::atan(std::tan(h) / std::cos(obliquityHeld));
  if (q < 0) q += Pi;
  if (std::sin(h) < 0) q += Pi;
  return RadToDeg(q);
}

ChartStatus ComputeHouseCusps(const std::string& system, const ChartClock& clock, CuspTable& cusps) {
  const double latDeg = RadToDeg(-PlaceLatitude(clock));
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

ChartStatus CalcHouseCusps(AppState& app) {
  const ChartClock& c = app.chart.clock;
  app.chart.work.SiderealText = SiderealTimeText(c.SiderealHours, c.SiderealMinutes, c.SiderealSeconds);
  return ComputeHouseCusps(app.options.HouseSystem, c, app.chart.work.ChartCusp);
}

}  // namespace halcyra
