#pragma once
// One pass of the ephemeris for a moment: the Sun, Moon, Mercury to Pluto,
// the mean node, the Part of Fortune and the angles into a chart set, with
// declinations and latitudes, and unless switched off a second pass one day
// later for the next-day longitudes and the retrograde flags.
#include "state/chart_set.h"
#include "state/chart_state.h"

namespace halcyra {

struct EphemerisMoment {
  double JDay = 0;         // noon-based day number of the civil date
  double DayFraction = 0;  // universal time as a fraction of the day
  double T = 0;            // centuries from JD 2415020 for the Sun and Moon
  double Obliquity = 0;    // radians; the chart time leaves it negated
  double AscLong = 0, MCLong = 0;
};

// Writes Long (points 1 to 12, 14, 15), Decl and Lat (1 to 10) and, with
// the next-day pass, LongNextDay (1 to 11), MoonDeclNextDay and RetroFlags.
// skipNextDay 1 leaves out the next-day pass: the retrograde flags are then
// all blank and the next-day values keep what an earlier pass left.
void CalcPlanetPositions(const EphemerisMoment& moment, int skipNextDay, ChartSet& set);

// The moment of the chart clock's last pass, with its obliquity and angles.
EphemerisMoment MomentFromClock(const ChartClock& clock);

// A moment without chart angles of its own: the mean obliquity of T, and
// the Ascendant and Midheaven as given (0 where there are none).
EphemerisMoment MeanObliquityMoment(double jday, double dayFraction, double t, double ascLong = 0,
                                    double mcLong = 0);

// Whether a body at `today` and `nextDay` (degrees, [0, 360)) moves
// backwards; a step of 180 degrees or more is read as a crossing of 0 Aries.
bool MovesBackwards(double today, double nextDay);

// Declination (degrees) of an ecliptic longitude and latitude (degrees) for
// the positive obliquity in radians.
double EclipticToDeclination(double longitude, double latitude, double obliquity);

}  // namespace halcyra
