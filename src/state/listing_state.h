#pragma once
// What the sunrise search and the planetary hours share: the place read
// from the natal input window and the day's sunrise and sunset.
namespace halcyra {

struct ListingState {
  double HoursJulianDay = 0;  // the date's day number less 0.5: its midnight
  double HoursTZ = 0;         // decimal hours, west positive
  double HoursGeoLong = 0;    // decimal degrees, west positive
  double HoursGeoLat = 0;     // decimal degrees, north positive
  int HoursDay = 0, HoursMonth = 0, HoursYear = 0;
  double SunriseHour = 0, SunsetHour = 0;  // decimal hours of the zone's clock; 0 when not found
};

}  // namespace halcyra
