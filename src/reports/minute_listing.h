#pragma once
// Transits by the minute: the moments, at one-minute steps over whole
// days, at which a transiting point perfects an aspect to a natal point
// within the diurnal orbs (DIURNAL.ORB: conjunction, sextile, square,
// trine, opposition, parallel, semi-sextile, semi-square, sesquisquare,
// quincunx; an orb of 0 leaves that aspect out).
//
// Each step computes the chart clock of the transit place, the ephemeris
// without its next-day pass (the chart's SkipNextDay is left as it is) and
// the table-driven bodies into the working set. A pair's
// aspect is perfected where the directed difference of the two longitudes
// passes the aspect's angle between two steps (for a parallel, where the
// distances from the equator become equal); the step nearer to that
// passage is listed when the aspect test of the reports, run with the
// diurnal orbs on the positions of that step, finds the same aspect.
#include <functional>
#include <string>
#include <vector>

#include "reports/listing_clock.h"
#include "state/app_state.h"
#include "state/line_sink.h"

namespace halcyra {

struct MinuteListingPeriod {
  ListingDay first;     // first listed day, local date
  int days = 1;         // 1440 steps each, from 00:00 local time
  ListingPlace place;   // zone for the clock times, place for the angles
};

struct MinuteAspect {
  long minute = 0;      // whole minutes from 00:00 of the first day, local time
  int transitSlot = 0;  // listing slots (listing_points.h)
  int natalSlot = 0;
  int code = 1;         // AspectCode; 7 for a parallel
  bool contraParallel = false;
};

// Called with (steps done, steps in all) every `every` steps and at the end.
struct ListingProgress {
  std::function<void(long done, long total)> report;
  long every = 240;
};

// The orb options the aspect test reads, taken from DiurnalOrb: codes 2 to
// 11 get their diurnal orbs, the quintile family stays off.
OptionTables DiurnalAspectOptions(const std::array<float, DiurnalOrbCount + 1>& diurnalOrb);

// The perfected aspects of the period in time order (pairs of one minute in
// the order transiting slot, natal slot). Uses state.options.DiurnalOrb as
// loaded, the natal set, the start-up tables and the selection; leaves the
// working set at the last step computed and the chart clock as it was.
std::vector<MinuteAspect> FindMinuteAspects(AppState& state, const MinuteListingPeriod& period,
                                            const std::string& selection,
                                            const ListingProgress& progress = {});

// The listing: the title "TRANSITS BY THE MINUTE", the period and place,
// then one line per aspect (or "  None").
void WriteMinuteListing(LineSink& out, const MinuteListingPeriod& period, const std::vector<MinuteAspect>& aspects);

// The listing on a fresh page under the natal chart's header.
void MinuteListingPage(AppState& state, const MinuteListingPeriod& period, const std::vector<MinuteAspect>& aspects);

// Everything the options window's List command does between its progress
// window and ShowReport: DIURNAL.ORB read, the data buffer emptied, the
// aspects found and the page written. Throws StartupFileError when
// DIURNAL.ORB cannot be read (nothing is emptied or written then).
void RunMinuteListing(AppState& state, const MinuteListingPeriod& period,
                      const ListingProgress& progress = {});

}  // namespace halcyra
