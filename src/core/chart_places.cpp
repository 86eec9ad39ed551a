// The check that every chart set can be computed at its place.
#include <cmath>

#include "core/angle_helpers.h"
#include "core/chart_driver.h"
#include "core/chart_time.h"
#include "core/house_systems.h"

namespace halcyra {

namespace {
bool PlaceFits(const std::string& system, const Place& place, const DayMoment& moment) {
  const double latDeg = std::fabs(place.Latitude);
  return latDeg < 90 &&
         HouseSystemFitsLatitude(system, latDeg, MeanObliquityDeg(CenturiesFrom1900(moment.jday, moment.dayFraction)));
}
}  // namespace

bool ChartPlacesFit(const AppState& state) {
  const ChartInput& in = state.input;
  const std::string& system = state.options.HouseSystem;
  // the progressed set stands at the transit place too
  return PlaceFits(system, in.NatalPlace, DayMomentOf(in.Natal)) &&
         PlaceFits(system, in.TransitPlace, DayMomentOf(in.Transit));
}

}  // namespace halcyra
