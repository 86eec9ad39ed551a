#include "reports/sunrise_sunset.h"

#include <cmath>

#include "core/angle_helpers.h"
#include "core/calendar.h"
#include "core/chart_time.h"
#include "core/sun.h"
#include "platform/number_text.h"
#include "shell/report_output.h"

namespace halcyra {

namespace {

// Sun's longitude less the Ascendant (plus `shift`), in (-180, 180], at a
// clock hour of the day. Through the day the Ascendant overtakes the Sun,
// so the value falls through 0 once at each crossing.
double SunFromHorizon(double hoursJulianDay, const HoursPlace& place, double hour, double shift) {
  const double moment = hoursJulianDay + (hour + place.zoneHours) / 24;
  const double t = (moment - 2415020) / 36525;
  // the moment's universal time of day, counted from its own midnight
  const double dayFraction = moment + 0.5 - std::floor(moment + 0.5);
  const double ramc = Normalize360(GreenwichSiderealDeg(t, dayFraction) - place.geoLong);
  const double asc = AscendantFromRamc(DegToRad(ramc), DegToRad(MeanObliquityDeg(t)),
                                       DegToRad(place.geoLat));
  double d = std::fmod(CalcSunPosition(t).SunLong - asc - shift, 360.0);
  if (d > 180) d -= 360;
  if (d <= -180) d += 360;
  return d;
}

// First hour of the day at which the value falls through 0, by a scan of
// ten-minute steps and halving of the step that holds the crossing.
bool FindCrossing(double hoursJulianDay, const HoursPlace& place, double shift, double& hour) {
  constexpr double kStep = 1.0 / 6;
  double h0 = 0;
  double v0 = SunFromHorizon(hoursJulianDay, place, h0, shift);
  for (int i = 1; i <= 144; ++i) {
    const double h1 = i * kStep;
    const double v1 = SunFromHorizon(hoursJulianDay, place, h1, shift);
    // a fall through 0, not the jump from -180 to 180 on the far side
    if (v0 > 0 && v1 <= 0 && v0 - v1 < 90) {
      double lo = h0, hi = h1;
      for (int k = 0; k < 40; ++k) {
        const double mid = (lo + hi) / 2;
        if (SunFromHorizon(hoursJulianDay, place, mid, shift) > 0) lo = mid;
        else hi = mid;
      }
      hour = (lo + hi) / 2;
      return true;
    }
    h0 = h1;
    v0 = v1;
  }
  return false;
}

}  // namespace

HoursPlace HoursPlaceOf(const Moment& moment, const Place& place) {
  return {moment.Day, moment.Month, moment.Year, moment.ZoneHours(), place.Longitude, place.Latitude};
}

SunriseSunset FindSunriseSunset(double hoursJulianDay, const HoursPlace& place) {
  SunriseSunset r;
  r.sunriseFound = FindCrossing(hoursJulianDay, place, 0, r.sunriseHour);
  r.sunsetFound = FindCrossing(hoursJulianDay, place, 180, r.sunsetHour);
  if (!r.sunriseFound) r.sunriseHour = 0;
  if (!r.sunsetFound) r.sunsetHour = 0;
  return r;
}

void ReadInputDForHours(AppState& state, const Moment& natal, const Place& place) {
  const HoursPlace p = HoursPlaceOf(natal, place);
  ListingState& l = state.listings;
  l.HoursDay = p.day;
  l.HoursMonth = p.month;
  l.HoursYear = p.year;
  l.HoursTZ = p.zoneHours;
  l.HoursGeoLong = p.geoLong;
  l.HoursGeoLat = p.geoLat;
  l.HoursJulianDay = DateToJulianDay(p.year, p.month, p.day) - 0.5;
}

HoursPlace HoursPlaceOf(const ListingState& l) {
  HoursPlace p;
  p.day = l.HoursDay;
  p.month = l.HoursMonth;
  p.year = l.HoursYear;
  p.zoneHours = l.HoursTZ;
  p.geoLong = l.HoursGeoLong;
  p.geoLat = l.HoursGeoLat;
  return p;
}

void FindSunriseSunset(AppState& state) {
  ListingState& l = state.listings;
  const SunriseSunset r = FindSunriseSunset(l.HoursJulianDay, HoursPlaceOf(l));
  l.SunriseHour = r.sunriseHour;
  l.SunsetHour = r.sunsetHour;
  WarnMissingSunTimes(state, r);
}

void WarnMissingSunTimes(AppState& state, const SunriseSunset& times) {
  if (!times.sunriseFound) ShowNotice(state, NoSunriseText, "Warning!", NoticeIcon::Exclamation);
  if (!times.sunsetFound) ShowNotice(state, NoSunsetText, "Warning!", NoticeIcon::Exclamation);
}

}  // namespace halcyra
