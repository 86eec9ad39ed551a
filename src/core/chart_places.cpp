// The check that every chart set can be computed at its place.
#include <cmath>

#include "core/angle_helpers.h"
#include "core/chart_driver.h"
#include "core/chart_time.h"
#include "core/house_systems.h"

namespace halcyra {

namespace {
bool PlaceFits(const std::string& system, double geoLat, double jday, double dayFraction) {
  const double latDeg = DotMinutesToDecimal(std::fabs(geoLat));
  return latDeg < 90 && HouseSystemFitsLatitude(system, latDeg, MeanObliquityDeg(CenturiesFrom1900(jday, dayFraction)));
}
}  // namespace

bool ChartPlacesFit(const AppState& state) {
  const ChartInput& in = state.input;
  const std::string& system = state.options.HouseSystem;
  const DayMoment natal = NatalDayMoment(in);
  const DayMoment transit = TransitDayMoment(in);
  // the progressed set stands at the transit place too
  return PlaceFits(system, in.NatalGeoLat, natal.jday, natal.dayFraction) &&
         PlaceFits(system, in.TransitGeoLat, transit.jday, transit.dayFraction);
}

}  // namespace halcyra
