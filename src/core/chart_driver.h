#pragma once
// The chart driver's computation: from the chart input to the whole chart
// state, the natal, progressed, solar-arc and transit (or second-person)
// sets in that order, with the moments the progressed and solar-arc sets
// rest on and the seeds of the return searches. It touches no window: the
// chart command (app/calculate_chart) checks and reads the windows, then
// calls these.
#include <string>

#include "state/app_state.h"

namespace halcyra {

inline constexpr const char* ChartPlaceTooHighText =
    "Your latitude is too high for this house system. Lower it or change house systems.";
inline constexpr const char* ChartPlaceTitle = "Warning!";

// The moment of a civil date and a universal time of day: the noon-based
// day number and the day fraction, whose sum less 0.5 is the Julian date.
struct DayMoment {
  double jday = 0;
  double dayFraction = 0;
  double Moment() const { return jday + dayFraction - 0.5; }
};
DayMoment DayMomentOf(const Moment& moment);
// The day number and day fraction of a Julian date, the fraction in [0, 1).
DayMoment SplitMoment(double moment);

// True when the angles and the house system can be computed at the natal
// and the transit place of the input (the input checks let a Meridian or
// Morinus chart through up to 90 degrees 59 minutes).
bool ChartPlacesFit(const AppState& state);

// Every chart set from state.input and the options: the per-chart tables
// reset, the return seeds, AgeYears, the natal, transit and progressed
// moments with the quick ephemeris pass of the progressed moment, then the
// natal, progressed, solar-arc and transit passes (each chart from
// ComputeChart, core/compute_chart.h); the first wheel set takes the
// transit positions, the second its retrograde flags. Leaves ChartKind 3
// and the working set holding the transit set.
void ComputeChartSets(AppState& state);

}  // namespace halcyra
