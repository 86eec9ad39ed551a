#pragma once
// Values the ephemeris driver leaves beside the working set.
#include "state/points.h"

namespace halcyra {

struct EphemerisState {
  PointArray PointLat{};       // ecliptic latitudes of points 1 to 10, degrees
  double MoonDeclNextDay = 0;  // the Moon's declination one day later, degrees
};

}  // namespace halcyra
