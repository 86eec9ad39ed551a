#pragma once
// The house each chart point stands in, as the house-tag string.
#include <string>

#include "state/points.h"

namespace halcyra {

struct AppState;

// NumPoints fields of 10 characters: the 4-character label of the point's
// house ("10TH", " 1ST" ...) and " HOUSE". A point in no house keeps a
// blank label ("----" for the Ascendant and Midheaven). A point standing
// on a cusp is in the house the cusp opens.
std::string BuildPlanetHouseRow(const PointArray& longitudes, const CuspTable& cusps);

// The working set's HouseTags from its PointLong() and ChartCusp().
void BuildPlanetHouseRow(AppState& app);

// House number of a point read from a house-tag string: the value of its
// field's first two characters (0 for a blank or "----" label).
int HouseNumberOf(const std::string& houseTags, int point);

}  // namespace halcyra
