#pragma once
// Sunrise and sunset as the chart sees them: the moments of a civil day at
// which the Sun's longitude reaches the Ascendant (sunrise) and the
// Descendant (sunset), at the place of the natal input window, in decimal
// hours of the zone's clock. The Sun's ecliptic latitude is nil, so these
// are the moments its centre stands on the horizon, without refraction.
#include <string>

#include "state/app_state.h"

namespace halcyra {

inline constexpr const char* NoSunriseText = "I cannot find sunrise. The latitude is too extreme.";
inline constexpr const char* NoSunsetText = "I cannot find sunset. The latitude is too extreme.";

struct HoursPlace {
  int day = 0, month = 0, year = 0;
  double zoneHours = 0;  // decimal hours, west positive
  double geoLong = 0;    // decimal degrees, west positive
  double geoLat = 0;     // decimal degrees, north positive
};

// The date, zone and place of a chart's moment and place.
HoursPlace HoursPlaceOf(const Moment& moment, const Place& place);
// The place and date ReadInputDForHours kept.
HoursPlace HoursPlaceOf(const ListingState& listings);

struct SunriseSunset {
  double sunriseHour = 0, sunsetHour = 0;  // 0 when not found
  bool sunriseFound = false, sunsetFound = false;
};

// Searches the clock day from 00:00 to 24:00 of the zone for the first
// moment of each kind. Where the Sun stays above or below the horizon all
// day (or the Ascendant jumps, beyond the polar circles) a kind may be
// missing. hoursJulianDay is the date's day number less 0.5.
SunriseSunset FindSunriseSunset(double hoursJulianDay, const HoursPlace& place);

// Shows NoSunriseText or NoSunsetText, titled "Warning!", for each time the
// search did not find (a notice of the report channel, ShowNotice).
void WarnMissingSunTimes(AppState& state, const SunriseSunset& times);

// The shared-state form: ReadInputDForHours keeps the natal window's place
// and date, as read from its boxes, in state.listings; FindSunriseSunset searches the day of
// HoursJulianDay there, sets SunriseHour and SunsetHour and shows
// NoSunriseText or NoSunsetText, titled "Warning!", for a missing one.
void ReadInputDForHours(AppState& state, const Moment& natal, const Place& place);
void FindSunriseSunset(AppState& state);

}  // namespace halcyra
