#pragma once
// The house each chart point stands in, as the house-tag string.
#include <string>

#include "state/points.h"

namespace halcyra {

// NumPoints fields of 10 characters: the 4-character label of the point's
// house ("10TH", " 1ST" ...) and " HOUSE". A point in no house keeps a
// blank label ("----" for the Ascendant and Midheaven). A point standing
// on a cusp is in the house the cusp opens.
std::string BuildPlanetHouseRow(const PointArray& longitudes, const CuspTable& cusps);
// The house number of a point in the row: ChartSet::HouseOf, HouseNumberOf.

}  // namespace halcyra
