#include "horary/zodiac.h"

#include <cmath>

#include "reports/aspect_finder.h"
#include "reports/report_columns.h"
#include "state/shared_tables.h"

namespace halcyra {

int SignOf(double longitude) { return static_cast<int>(std::floor(longitude / 30)) + 1; }

double DegreeInSign(double longitude) {
  while (longitude >= 30) longitude -= 30;
  return longitude;
}

int WholeDegreeInSign(double longitude) {
  return static_cast<int>(std::floor(longitude - 30 * std::floor(longitude / 30)));
}

bool InViaCombusta(double longitude) { return longitude >= 195 && longitude < 225; }

double SolarDistance(double sunLongitude, double planetLongitude) {
  return LongitudeSeparation(sunLongitude, planetLongitude);
}

std::string NameOf(int point) {
  return point >= 0 && point <= NumPoints ? std::string(PointName[point]) : std::string();
}

std::string PlanetName9(int planet) { return PadRight(NameOf(planet), 9); }

std::string PlanetLabel3(int planet) { return NameOf(planet).substr(0, 3); }

}  // namespace halcyra
