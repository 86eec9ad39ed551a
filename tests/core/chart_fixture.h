#pragma once
// Typed charts for the core tests, with the shipped start-up tables.
#include <memory>

#include "state/app_state.h"

namespace halcyra::testing {

// A typed moment and place as the input windows leave them: 12-hour clock
// and coordinates as whole units + minutes / 100, zone in hours west
// positive, east and south negative.
struct TypedChart {
  int year, month, day;
  double clock;
  const char* amPm;
  double zone, geoLong, geoLat;
};

// New York, 14 July 1975, 3.25 P.M. (a day chart); transits on 1 March
// 2024, 10.00 A.M. in London; Sydney, 2 November 1990, 8.40 P.M.
inline constexpr TypedChart kNewYorkBirth{1975, 7, 14, 3.25, "P.M.", 5, 73.59, 40.45};
inline constexpr TypedChart kLondonTransit{2024, 3, 1, 10.00, "A.M.", 0, 0.07, 51.30};
inline constexpr TypedChart kSydneyBirth{1990, 11, 2, 8.40, "P.M.", -10, -151.12, -33.52};

// The start-up tables as the loader reads them from the staged program folder.
const StartupTables& ShippedTables();
void SetInput(AppState& state, const TypedChart& natal, const TypedChart& transit = kLondonTransit);
// A fresh state with the tables and the two charts typed in; then computed.
std::unique_ptr<AppState> TypedState(const TypedChart& natal, const TypedChart& transit,
                                     const char* houseSystem = "P", float option218 = 2);
std::unique_ptr<AppState> ComputedState(const TypedChart& natal, const TypedChart& transit,
                                        const char* houseSystem = "P", float option218 = 2);

// Degrees between two longitudes, 0 to 180.
double ArcGap(double a, double b);

// The Swiss Ephemeris's side of a typed chart: a typed value (whole units +
// minutes / 100, signed) in decimal units, and the universal-time Julian
// date of the typed moment.
double TypedDecimal(double dotMinutes);
double TypedUniversalJd(const TypedChart& chart);

}  // namespace halcyra::testing
