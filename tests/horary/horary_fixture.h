#pragma once
// A horary chart written straight into a chart set, no ephemeris: a day
// chart of 14 March 2024, 10.30 A.M., equal houses from ASC 14 Cancer 15;
// Pluto and the node retrograde (the points in horary_fixture.cpp).
#include <initializer_list>
#include <utility>

#include "horary/planetary_day_hour.h"
#include "state/chart_set.h"
#include "state/option_tables.h"

namespace halcyra::testing {

ChartSet HoraryFixtureChart();

// Moieties (options 34 to 43) Sun 8, Moon 6, Mercury, Venus and Mars 3.5,
// Jupiter and Saturn 4.5, the outer planets 2.5; combustion orb 8.5
// (option 32), five-degree rule off (33), Algol's orb 1.5 (44), the Sun's
// beams only within its sign (197 at 0).
OptionTables HoraryFixtureOptions();

// The fixture's moment (zone 5 west, 42.21 N 71.04 W), and sunrise and
// sunset at 6.00 and 18.00 for any day.
QuestionMoment HoraryFixtureMoment();
SunriseSunset SixToSix(double hoursJulianDay, const HoursPlace& place);

// Points moved to new longitudes, their house tags rebuilt from the cusps.
void Place(ChartSet& chart, std::initializer_list<std::pair<int, double>> longitudes);

// Equal houses from an Ascendant, in cusp-table order.
CuspTable EqualHouses(double ascendant);

// The Moon at `moon`, the points given, every other point from Sun to MC in
// the next sign (a tenth apart), in no aspect by sign or orb.
ChartSet MoonWith(double moon, std::initializer_list<std::pair<int, double>> points);

// The neighbouring doubles of a bound: a row one step beyond it lies as
// close to it as a value can, so it fails the moment the bound's side moves.
double StepBelow(double x);
double StepAbove(double x);

}  // namespace halcyra::testing
