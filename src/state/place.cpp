#include "state/place.h"

#include <cmath>

namespace halcyra {

namespace {

double Decimal(DegreesMinutes dm) { return dm.Degrees + dm.Minutes / 60.0; }

double DotToDecimal(double dot) {
  const double magnitude = std::fabs(dot);
  const double whole = std::floor(magnitude);
  double minutes = (magnitude - whole) * 100;
  // 40.45 is held as 40.4500000000000028...: its minutes are 45, not a hair more
  if (const double nearest = std::round(minutes); std::fabs(minutes - nearest) < 1e-6) minutes = nearest;
  return whole + minutes / 60;
}

DegreesMinutes ToDegreesMinutes(double degrees) {
  const double minutes = std::round(std::fabs(degrees) * 60);
  if (!(minutes < 1e9)) return {};  // beyond any place on the Earth
  const long total = static_cast<long>(minutes);
  return {static_cast<int>(total / 60), static_cast<int>(total % 60)};
}

}  // namespace

Place Place::FromDegreesMinutes(DegreesMinutes longitude, bool east, DegreesMinutes latitude, bool south) {
  const double lon = Decimal(longitude), lat = Decimal(latitude);
  return {east ? -lon : lon, south ? -lat : lat};
}

Place Place::FromDotMinutes(double longitudeDot, double latitudeDot) {
  return {std::copysign(DotToDecimal(longitudeDot), longitudeDot),
          std::copysign(DotToDecimal(latitudeDot), latitudeDot)};
}

bool Place::East() const { return std::signbit(Longitude); }
bool Place::South() const { return std::signbit(Latitude); }

bool Place::operator==(const Place& other) const {
  return Longitude == other.Longitude && Latitude == other.Latitude && East() == other.East() &&
         South() == other.South();
}

DegreesMinutes Place::LongitudeDM() const { return ToDegreesMinutes(Longitude); }
DegreesMinutes Place::LatitudeDM() const { return ToDegreesMinutes(Latitude); }

}  // namespace halcyra
