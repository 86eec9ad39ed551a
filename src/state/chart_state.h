#pragma once
// The chart sets every computation fills and every report reads.
#include <array>
#include <string>

#include "state/chart_set.h"
#include "state/place.h"
#include "state/points.h"

namespace halcyra {

// Moments the driver keeps (Julian dates, universal time).
struct ChartMoments {
  double NatalMoment = 0, TransitMoment = 0, ProgMoment = 0;
  double ProgT = 0, ProgSunLong = 0, ProgObliquityDeg = 0;
  double Precession1990 = 0, Precession2000 = 0;
  float SolarArc = 0;  // the progressed Sun less the natal Sun, degrees [0, 360)
  int AgeYears = 0;    // whole years from birth to the transit date
};

// What the time and angles of one chart pass leave for the houses, the
// ephemeris and the declinations. Each pass overwrites all of it.
struct ChartClock {
  double DayFraction = 0;  // universal time of day from midnight; may leave 0..1
  double JDay = 0;         // noon-based day number of the civil date
  double ListJulianDay = 0, NextJulianDay = 0;  // the chart moment and one day on
  double TableMoment = 0;  // moment of the table-driven bodies (not set by returns)
  double ListingStartMoment = 0;
  double TCenturies = 0;   // Julian centuries from JD 2415020
  double LocalSiderealFrac = 0;
  double RAMC = 0;         // radians
  double Obliquity = 0;    // radians; holds minus the obliquity once the angles have run
  double ObliquityDeg = 0; // degrees, positive
  double MCLong = 0, AscLong = 0;
  double AngleVertex = 0, AngleEquatorialAsc = 0, AngleCoAsc = 0, AnglePolarAsc = 0;
  double GeoLatitude = 0;  // radians, north positive
  Place Where;             // the place of the pass
  double PlacidusLatitude = 0;  // minus the latitude, radians; 0.00001 at the equator
  int SiderealHours = 0, SiderealMinutes = 0, SiderealSeconds = 0;
};

// Seeds of the return and ingress searches.
struct ReturnSeeds {
  int ReturnDay = 0, ReturnMonth = 0, ReturnYear = 0;
  Place ReturnPlace;
  double ReturnTZ = 6;
  int SolarReturnYear = 0;
  // set while a return or ingress chart is computed
  int SolarReturnActive = 0, LunarReturnActive = 0;
  int SolarReturnDay = 0, SolarReturnMonth = 0;
  double SolarReturnTime = 0, LunarReturnTime = 0;  // decimal hours, 24-hour clock
  int IngressNumber = 0;  // 0 solar return, 1..4 ingress
};

struct ChartState {
  // The working set: scratch of the computation, refilled by every chart
  // pass and by the return searches, and loaded by reports before they
  // list a set. After the chart driver it holds the transit set.
  ChartSet Working;
  ChartSet Natal;     // the natal chart, or the chart of a horary question
  ChartSet Prog;      // progressed: one day of life for each year
  ChartSet SolarArc;  // the natal chart moved by moments.SolarArc
  ChartSet Transit;   // the transits, or the second person's natal chart
  // What only the natal chart has.
  PointArray NatalSolstice{};  // the antiscion of each natal longitude
  int IsNightChart = 0;        // 1 when the natal Sun stands below the horizon
  double MoonDeclWork = 0;     // the natal Moon's declination one day later

  ChartMoments moments;
  ReturnSeeds returns;
  ChartClock clock;

  PointArray StrengthScore{};
  std::array<std::string, NumPoints + 1> PointAbbr{};

  // 0 natal, 1 progressed, 2 solar arc, 3 transit; 4 solar return or ingress, 5 lunar return.
  int ChartKind = 0;
  int ChartReady = 0;
  int InputError = 0;
  int SkipNextDay = 0;
  int MoreMenuVisible = 0;
  int WheelMode = 0;
  std::string ChartName, TransitChartName;
};

}  // namespace halcyra
