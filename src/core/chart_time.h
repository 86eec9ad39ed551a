#pragma once
// The moment of a chart, its sidereal time and obliquity, and the angles
// that follow from them: Midheaven, Ascendant, Vertex, Equatorial, Co- and
// Polar Ascendants.
#include <string>

#include "state/chart_state.h"

namespace halcyra {

struct AppState;

// The outcome of a chart pass that the chart driver turns into the input
// error of the entry windows.
enum class ChartStatus {
  Ok,
  LatitudeTooHigh,  // the place lies beyond what the angles or the house system can handle
};

// Julian centuries from JD 2415020 of a day number and time of day.
double CenturiesFrom1900(double jday, double dayFraction);

// Mean obliquity of the ecliptic, degrees.
double MeanObliquityDeg(double t);

// Greenwich mean sidereal time in degrees [0, 360) at centuries t (which
// already include the time of day) and universal time dayFraction. The
// unreduced sidereal time in days goes to *localSiderealFrac when given.
double GreenwichSiderealDeg(double t, double dayFraction, double* localSiderealFrac = nullptr);

// Ecliptic longitudes (degrees, [0, 360)) of the Midheaven and the
// Ascendant for a right ascension of the meridian and a positive obliquity
// (radians) and a north-positive latitude (radians).
double MidheavenFromRamc(double ramcRad, double obliquityRad);
double AscendantFromRamc(double ramcRad, double obliquityRad, double latitudeRad);

// The typed moment and place of one chart pass.
struct ChartMomentInput {
  int year = 0, month = 0, day = 0;
  int dayOffset = 0;        // whole days added to the date's day number (progression, a listing's day)
  double dayFraction = 0;   // universal time of day
  Place where;
  // The progressed pass takes T of the progressed moment and the natal
  // Midheaven moved by the arc of the progressed Sun.
  bool progressed = false;
  double progT = 0, progSunLong = 0, natalSunLong = 0, natalMCLong = 0;
};

// Moment, sidereal time, obliquity and angles of one chart pass. The result
// holds the obliquity negated in radians, as every later step expects.
ChartClock ComputeChartClock(const ChartMomentInput& in);

// Angles from the clock's RAMC (radians), positive Obliquity (radians) and
// GeoLatitude: Midheaven, Ascendant, the four further points, the sidereal
// time parts and PlacidusLatitude. Leaves Obliquity negated.
void CalcAnglesFromRamc(ChartClock& clock);

// A chart frame given directly by right ascension of the meridian,
// latitude and obliquity, all in decimal degrees (north positive).
ChartClock ClockForRamc(double ramcDeg, double latitudeDeg, double obliquityDeg);

// Ok when the angles are meaningful at the clock's latitude (below the pole).
ChartStatus AnglesStatus(const ChartClock& clock);

// The chart pass for the set named by ChartKind and the return flags:
// fills app.chart.clock, the listing moments and the working set's four
// special points (Vertex, EquatorialAsc, CoAsc, PolarAsc).
ChartStatus CalcChartTimeAndAngles(AppState& app);

}  // namespace halcyra
