#include "core/chart_time.h"

#include <cmath>

#include "core/angle_helpers.h"
#include "core/calendar.h"
#include "state/app_state.h"

namespace halcyra {

namespace {
// Stands in for latitude 0 so that the quotients over tan(latitude) stay finite.
constexpr double kEquatorLatitude = 0.00001;

// Angle of the point (d, n) by the arctangent of n / d and two half turns.
// `turnWhenPositive` selects the variant that turns when n > 0.
double HalfTurnAngle(double n, double d, bool turnWhenPositive) {
  double q = std::atan(n / d);
  if (q < 0) q += Pi;
  if (turnWhenPositive ? n > 0 : n < 0) q += Pi;
  return Normalize360(RadToDeg(q));
}
}  // namespace

double CenturiesFrom1900(double jday, double dayFraction) {
  return (jday - 2415020 + dayFraction - 0.5) / 36525;
}

double MeanObliquityDeg(double t) {
  return 23.4522944 - 0.0130125 * t - 0.000001639 * t * t + 0.000000503 * t * t * t;
}

double GreenwichSiderealDeg(double t, double dayFraction, double* localSiderealFrac) {
  // sidereal time at 0h UT in hours; the daily gain comes in through t,
  // which already carries the time of day
  const double s = (23925.836 + 8640184.54 * t + 0.0929 * t * t) / 3600;
  const double frac = (dayFraction * 24 + s) / 24;
  if (localSiderealFrac) *localSiderealFrac = frac;
  return (frac - Int(frac)) * 24 * 15;
}

namespace {
// Sine and cosine of an angle as PolarToRect takes it.
struct SinCos {
  double s, c;
};
SinCos GuardedSinCos(double angle) {
  if (angle == 0) angle = ZeroGuard;
  return {std::sin(angle), std::cos(angle)};
}

// The Midheaven is the ecliptic point of the meridian's right ascension.
double MidheavenOf(SinCos ramc, double cosEps) {
  return Normalize360(RadToDeg(PolarAngle(ramc.c * cosEps, ramc.s)));
}

// The zenith in equatorial coordinates, turned about the equinox line into
// the ecliptic frame; its ecliptic longitude is the nonagesimal, 90 degrees
// short of the Ascendant.
double AscendantOf(SinCos ramc, double cosEps, double sinEps, SinCos lat) {
  const double x = lat.c * ramc.c, y = lat.c * ramc.s, z = lat.s;
  const double turnedY = y * cosEps + z * sinEps;
  return Normalize360(RadToDeg(PolarAngle(x, turnedY)) + 90);
}
}  // namespace

double MidheavenFromRamc(double ramcRad, double obliquityRad) {
  return MidheavenOf(GuardedSinCos(ramcRad), std::cos(obliquityRad));
}

double AscendantFromRamc(double ramcRad, double obliquityRad, double latitudeRad) {
  return AscendantOf(GuardedSinCos(ramcRad), std::cos(obliquityRad), std::sin(obliquityRad),
                   GuardedSinCos(latitudeRad));
}

void CalcAnglesFromRamc(ChartClock& c) {
  const double ramc = c.RAMC;
  const double eps = c.Obliquity;
  const SinCos r = GuardedSinCos(ramc);
  const double sinEps = std::sin(eps), cosEps = std::cos(eps);
  c.MCLong = MidheavenOf(r, cosEps);
  c.AscLong = AscendantOf(r, cosEps, sinEps, GuardedSinCos(c.GeoLatitude));
  c.Obliquity = -c.Obliquity;

  // southern charts show the sidereal time twelve hours on
  double s = RadToDeg(ramc);
  if (c.GeoLatitude < 0) s = Normalize360(s + 180);
  const double h = s / 15;
  const double minutes = (h - Int(h)) * 60;
  c.SiderealHours = WholeOf(h);
  c.SiderealMinutes = WholeOf(minutes);
  c.SiderealSeconds = WholeOf((minutes - Int(minutes)) * 60);

  const double trueP = -c.GeoLatitude;
  const double p = trueP == 0 ? kEquatorLatitude : trueP;
  c.PlacidusLatitude = p;

  // e is the held (negative) obliquity; sin is odd, so sin e = -sin eps
  const double sinE = -sinEps, cosE = cosEps;
  // The Polar Ascendant multiplies by tan(latitude) and needs no stand-in;
  // with it an equator chart would be 1e-4 degree off.
  const double tanTrueP = std::tan(trueP);
  const double tanP = trueP == 0 ? std::tan(p) : tanTrueP;
  // the unguarded meridian, and the meridian half a (ten-decimal) turn on
  const SinCos r0 = ramc == 0 ? SinCos{0, 1} : r;
  static const double sinHalfTurn = std::sin(Pi), cosHalfTurn = std::cos(Pi);
  const double cosR = r0.c, sinR = r0.s;
  const double cosR2 = cosR * cosHalfTurn - sinR * sinHalfTurn;
  const double sinR2 = sinR * cosHalfTurn + cosR * sinHalfTurn;
  c.AngleVertex = HalfTurnAngle(cosR2, -sinR2 * cosE - sinE / tanP, false);
  c.AngleEquatorialAsc = HalfTurnAngle(cosR, -sinR * cosE, false);
  c.AngleCoAsc = HalfTurnAngle(cosR2, -sinR2 * cosE + sinE / tanP, true);
  c.AnglePolarAsc = HalfTurnAngle(cosR2, -sinR2 * cosE - tanTrueP * sinE, false);
}

ChartClock ComputeChartClock(const ChartMomentInput& in) {
  ChartClock c;
  c.DayFraction = in.dayFraction;

  c.Where = in.where;
  c.GeoLatitude = DegToRad(in.where.Latitude);

  // the days are added to the day number, not to the day of the month, so
  // that the count goes on across 4/15 October 1582
  c.JDay = DateToJulianDay(in.year, in.month, in.day) + in.dayOffset;
  c.ListJulianDay = c.JDay + c.DayFraction - 0.5;
  c.NextJulianDay = c.ListJulianDay + 1;

  double t = CenturiesFrom1900(c.JDay, c.DayFraction);
  if (in.progressed) t = in.progT;
  c.TCenturies = t;

  const double g = GreenwichSiderealDeg(t, c.DayFraction, &c.LocalSiderealFrac);
  // west longitudes are positive and subtract
  double ramcDeg = Normalize360(g - in.where.Longitude);

  c.ObliquityDeg = MeanObliquityDeg(t);
  c.Obliquity = DegToRad(c.ObliquityDeg);

  if (in.progressed)
    ramcDeg = CalcQuadrantAngle(NormalizeDegrees(in.progSunLong - in.natalSunLong + in.natalMCLong),
                                c.ObliquityDeg);
  c.RAMC = DegToRad(ramcDeg);
  CalcAnglesFromRamc(c);
  return c;
}

ChartClock ClockForRamc(double ramcDeg, double latitudeDeg, double obliquityDeg) {
  ChartClock c;
  c.Where.Latitude = latitudeDeg;
  c.GeoLatitude = DegToRad(latitudeDeg);
  c.ObliquityDeg = obliquityDeg;
  c.Obliquity = DegToRad(obliquityDeg);
  c.RAMC = DegToRad(ramcDeg);
  CalcAnglesFromRamc(c);
  return c;
}

ChartStatus AnglesStatus(const ChartClock& clock) {
  if (!(std::fabs(clock.Where.Latitude) < 90)) return ChartStatus::LatitudeTooHigh;
  return ChartStatus::Ok;
}

ChartStatus CalcChartTimeAndAngles(AppState& app) {
  const ChartInput& input = app.input;
  ChartState& chart = app.chart;
  const ReturnSeeds& ret = chart.returns;
  const bool solarReturn = ret.SolarReturnActive == 1;
  const bool lunarReturn = ret.LunarReturnActive == 1;

  ChartMomentInput in;
  if (solarReturn || lunarReturn) {
    in.dayFraction = (ret.ReturnTZ + (solarReturn ? ret.SolarReturnTime : ret.LunarReturnTime)) / 24;
    if (solarReturn) {
      in.year = ret.IngressNumber != 0 ? input.Transit.Year : ret.SolarReturnYear;
      in.month = ret.SolarReturnMonth;
      in.day = ret.SolarReturnDay;
    } else {
      in.year = ret.ReturnYear;
      in.month = ret.ReturnMonth;
      in.day = ret.ReturnDay;
    }
    in.where = ret.ReturnPlace;
  } else if (chart.ChartKind == 0 || chart.ChartKind == 1) {
    in.dayFraction = input.Natal.UniversalDayFraction();
    in.year = input.Natal.Year;
    in.month = input.Natal.Month;
    in.day = input.Natal.Day;
    if (chart.ChartKind == 0) {
      in.where = input.NatalPlace;
    } else {
      // the progressed chart stands at the transit place
      in.where = input.TransitPlace;
      in.dayOffset = chart.moments.AgeYears;
      in.progressed = true;
      in.progT = chart.moments.ProgT;
      in.progSunLong = chart.moments.ProgSunLong;
      in.natalSunLong = chart.Natal.Long[Sun];
      in.natalMCLong = chart.Natal.Long[Midheaven];
    }
  } else {
    in.dayFraction = input.Transit.UniversalDayFraction();
    in.year = input.Transit.Year;
    in.month = input.Transit.Month;
    in.day = input.Transit.Day;
    in.where = input.TransitPlace;
  }

  const double previousTableMoment = chart.clock.TableMoment;
  const double previousListingStart = chart.clock.ListingStartMoment;
  chart.clock = ComputeChartClock(in);
  ChartClock& c = chart.clock;
  // a return chart keeps the table moment of the chart it was found from
  c.TableMoment = (solarReturn || lunarReturn) ? previousTableMoment : c.ListJulianDay;
  c.ListingStartMoment = previousListingStart;
  if (!solarReturn && !lunarReturn && chart.ChartKind == 3) {
    app.flags.ListingDate = DateToJulianDay(input.Transit.Year, input.Transit.Month, input.Transit.Day);
    c.ListingStartMoment = c.ListJulianDay;
  }

  chart.Working.Vertex = c.AngleVertex;
  chart.Working.EquatorialAsc = c.AngleEquatorialAsc;
  chart.Working.CoAsc = c.AngleCoAsc;
  chart.Working.PolarAsc = c.AnglePolarAsc;
  return AnglesStatus(c);
}

}  // namespace halcyra
