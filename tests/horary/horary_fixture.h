#pragma once
// A horary chart written straight into a chart set, no ephemeris: a day
// chart of 14 March 2024, 10.30 A.M., equal houses from 14 Cancer 15.
//
//   point    longitude  sign, degree   house  speed    decl
//   Sun        25.5     Aries 25 30     10    1.0125   10.0
//   Mercury    12.0     Aries 12 00      9    1.62      4.9
//   Venus     350.2     Pisces 20 12     9    1.21     -3.7
//   Mars      130.7     Leo 10 42        1    0.52     17.2
//   Jupiter    95.3     Cancer 5 18     12    0.21     23.3
//   Saturn    301.4     Aquarius 1 24    7    0.11    -19.8
//   Uranus    302.9     Aquarius 2 54    7    0.05    -19.4
//   Neptune   292.1     Capricorn 22 06  7    0.02    -21.1
//   Pluto     234.6     Scorpio 24 36    5   -0.01 R   -4.4
//   Moon      200.8     Libra 20 48      4   12.9      -9.46 (next day -13.9)
//   N. Node   284.5     Capricorn 14 30  7   -0.053 R
//   P. Fort   279.55    Capricorn 9 33   6
//   Chiron    110.6     Cancer 20 36     1    0.02
//   ASC       104.25, MC 14.25;  Lilith 150.0, declination 24.1
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

}  // namespace halcyra::testing
