#pragma once
// A chart state for the chart driver and return tests: the shipped start-up
// tables loaded once, a Placidus chart with the day/night Part of Fortune,
// and typed moments and places as the input windows leave them.
#include <memory>

#include "state/app_state.h"

namespace halcyra::testing {

// A fresh state holding the staged program folder's start-up tables.
std::unique_ptr<AppState> NewChartState();

// A typed moment and place: 12-hour clock as hours + minutes / 100, zone
// in decimal hours west positive, longitude and latitude as degrees +
// minutes / 100, east and south negative.
struct TypedChart {
  int year, month, day;
  double clock;
  const char* amPm;
  double zone, geoLong, geoLat;
};
void SetNatalInput(AppState& state, const TypedChart& c);
void SetTransitInput(AppState& state, const TypedChart& c);

// Degrees between two longitudes, 0 to 180.
double ArcGap(double a, double b);

}  // namespace halcyra::testing
