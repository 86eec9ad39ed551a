#pragma once
// The search behind transits by the minute: the moments, at one-minute
// steps, at which a transiting point perfects an aspect to a natal point
// within the diurnal orbs (DIURNAL.ORB: conjunction, sextile, square,
// trine, opposition, parallel, semi-sextile, semi-square, sesquisquare,
// quincunx; an orb of 0 leaves that aspect out).
//
// Each step computes the chart clock of the transit place, the ephemeris
// without its next-day pass (the listing needs no retrograde flags) and the
// table-driven bodies into a working set. A pair's aspect is perfected
// where the directed difference of the two longitudes passes the aspect's
// angle between two steps (for a parallel, where the distances from the
// equator become equal); the step nearer to that passage is listed when the
// aspect test of the reports, run with the diurnal orbs on the positions of
// that step, finds the same aspect.
//
// A scan covers a range of listed minutes and computes one step on each
// side of it, so the passage between the last minute of one range and the
// first of the next is seen by both and listed by the range that holds the
// nearer step: ranges that tile a period list exactly what one scan of the
// whole period lists.
#include <array>
#include <atomic>
#include <stop_token>
#include <string>
#include <vector>

#include "reports/listing_clock.h"
#include "reports/listing_points.h"
#include "state/chart_set.h"
#include "state/option_tables.h"
#include "state/startup_tables.h"

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
  bool operator==(const MinuteAspect&) const = default;
};

// The order of the listing: by minute, then transiting slot, natal slot
// and aspect code.
bool ListedBefore(const MinuteAspect& a, const MinuteAspect& b);

// The orb options the aspect test reads, taken from DiurnalOrb: codes 2 to
// 11 get their diurnal orbs, the quintile family stays off.
OptionTables DiurnalAspectOptions(const std::array<float, DiurnalOrbCount + 1>& diurnalOrb);

// What a running scan shares with whoever waits for it.
struct ScanControl {
  std::atomic<long>* minutesDone = nullptr;  // listed minutes scanned so far, added in batches
  std::stop_token stop;                      // ends the scan early, with part of its aspects
};

class MinuteAspectScan {
 public:
  // The natal points and the selection are read here, once: a scan keeps
  // no reference to the natal set.
  MinuteAspectScan(const ChartSet& natal, const std::array<float, DiurnalOrbCount + 1>& diurnalOrb,
                   const std::string& selection);

  // No selected transiting point, or no natal point with a value.
  bool FindsNothing() const { return transitSlots_.empty() || natalSlots_.empty(); }

  // The perfected aspects listed at minutes first to end - 1 of the period,
  // in listing order. The steps run from minute first - 1 to end in
  // `working`, which holds the last of them afterwards. The scan touches
  // nothing else, so scans of different ranges may run at once, each in a
  // working set of its own.
  std::vector<MinuteAspect> Scan(const MinuteListingPeriod& period, const StartupTables& tables, long first,
                                 long end, ChartSet& working, const ScanControl& control = {}) const;

 private:
  struct AspectTarget {
    double angle;  // the directed difference at which the aspect is exact
    int code;
  };
  // One step's positions of the selected transiting slots.
  struct StepPositions {
    std::array<double, ListingSlots + 1> longitude{};
    std::array<double, ListingSlots + 1> declination{};
    std::array<bool, ListingSlots + 1> valid{};
  };
  void ComputeStep(const MinuteListingPeriod& period, const StartupTables& tables, long minute,
                   ChartSet& working, StepPositions& out) const;

  OptionTables options_;
  std::vector<AspectTarget> targets_;
  bool parallels_ = false;
  std::vector<int> transitSlots_, natalSlots_;
  std::array<double, ListingSlots + 1> natalLong_{}, natalDecl_{};
};

}  // namespace halcyra
