#pragma once
// The Moon's apparent geocentric longitude and latitude, the mean longitude
// of its ascending node and the nutation in longitude, from five mean
// arguments and the periodic series of moon_series.h.

namespace halcyra {

struct MoonPosition {
  double Lambda = 0;    // apparent longitude, within a few degrees of [0, 360)
  double MoonLong = 0;  // the same, reduced to [0, 360)
  double MoonLat = 0;   // ecliptic latitude, north positive
  double MeanNode = 0;  // mean ascending node, [0, 360)
};

// T: Julian centuries of 36525 days from JD 2415020.0, universal time.
MoonPosition CalcMoonPosition(double T);

}  // namespace halcyra
