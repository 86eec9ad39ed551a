#include "reports/minute_aspect_scan.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "core/ephemeris_driver.h"
#include "core/table_bodies.h"
#include "reports/aspect_finder.h"
#include "reports/report_names.h"

namespace halcyra {

namespace {

constexpr int kParallelCode = 7;
constexpr int kLastDiurnalCode = DiurnalOrbCount + 1;  // quincunx
// Listed minutes a scan counts before it tells its control and looks for a stop.
constexpr long kMinutesPerReport = 240;

// A longitude difference brought into (-180, 180].
double Wrap180(double x) {
  x = std::fmod(x, 360.0);
  if (x > 180) x -= 360;
  if (x <= -180) x += 360;
  return x;
}

// Directed difference of a transiting and a natal longitude, [0, 360].
double DirectedDifference(double transit, double natal) {
  const double d = transit - natal;
  return d < 0 ? d + 360 : d;
}

// Every aspect angle is a whole multiple of 15 degrees, so a difference
// can pass one only when its 15-degree band changes or it lands on a band's edge.
int BandOf(double difference) { return static_cast<int>(difference * (1.0 / 15)); }

// What a pair carried over from the step before.
struct PairTrack {
  double difference = 0;  // directed longitude difference
  int band = -1;
  double declinationGap = 0;  // |transit declination| - |natal declination|
};

bool Passes(double before, double after) {
  return (before < 0 && after >= 0) || (before > 0 && after <= 0);
}

}  // namespace

bool ListedBefore(const MinuteAspect& a, const MinuteAspect& b) {
  return std::tie(a.minute, a.transitSlot, a.natalSlot, a.code, a.contraParallel) <
         std::tie(b.minute, b.transitSlot, b.natalSlot, b.code, b.contraParallel);
}

OptionTables DiurnalAspectOptions(const std::array<float, DiurnalOrbCount + 1>& diurnalOrb) {
  OptionTables options;
  for (int k = 1; k <= DiurnalOrbCount; ++k) options.OptionValues[k] = diurnalOrb[k];
  options.OptionValues[16] = 0;
  return options;
}

MinuteAspectScan::MinuteAspectScan(const ChartSet& natal, const std::array<float, DiurnalOrbCount + 1>& diurnalOrb,
                                   const std::string& selection)
    : options_(DiurnalAspectOptions(diurnalOrb)), parallels_(diurnalOrb[kParallelCode - 1] > 0) {
  for (int code = 2; code <= kLastDiurnalCode; ++code) {
    if (code == kParallelCode || !(diurnalOrb[code - 1] > 0)) continue;
    const double a = AngleOfAspect(code);
    targets_.push_back({a, code});
    if (a != 0 && a != 180) targets_.push_back({360 - a, code});
  }
  for (int slot = 1; slot <= ListingSlots; ++slot) {
    if (TransitSlotSelected(selection, slot)) transitSlots_.push_back(slot);
    if (NatalSlotSelected(selection, slot) && !SlotNoData(natal, slot)) natalSlots_.push_back(slot);
  }
  for (int slot : natalSlots_) {
    natalLong_[slot] = NatalSlotLongitude(natal, slot);
    const int p = PointOfSlot(slot);
    natalDecl_[slot] = p != 0 ? natal.Decl[p] : 0;
  }
}

void MinuteAspectScan::ComputeStep(const MinuteListingPeriod& period, const StartupTables& tables, long minute,
                                   ChartSet& working, StepPositions& out) const {
  const ChartClock clock = ListingClockAt(period.place, period.first, static_cast<double>(minute));
  CalcPlanetPositions(MomentFromClock(clock), 1, working);
  CalcTableBodies(clock.ListJulianDay, tables, working);
  for (int slot : transitSlots_) {
    out.valid[slot] = !SlotNoData(working, slot);
    out.longitude[slot] = TransitSlotLongitude(working, clock, slot);
    const int p = PointOfSlot(slot);
    out.declination[slot] = p != 0 ? working.Decl[p] : 0;
  }
}

std::vector<MinuteAspect> MinuteAspectScan::Scan(const MinuteListingPeriod& period, const StartupTables& tables,
                                                 long first, long end, ChartSet& working,
                                                 const ScanControl& control) const {
  std::vector<MinuteAspect> found;
  if (end <= first || FindsNothing()) return found;

  std::vector<PairTrack> track(static_cast<size_t>((ListingSlots + 1) * (ListingSlots + 1)));
  auto pairOf = [&track](int t, int n) -> PairTrack& { return track[t * (ListingSlots + 1) + n]; };

  StepPositions before, now;
  long uncounted = 0;
  for (long minute = first - 1; minute <= end; ++minute) {
    ComputeStep(period, tables, minute, working, now);
    const bool compare = minute > first - 1;
    for (int t : transitSlots_) {
      if (!now.valid[t]) continue;
      const bool comparable = compare && before.valid[t];
      const double tl = now.longitude[t];
      const bool declines = parallels_ && TransitSlotHasDeclination(t);
      const double tDecl = std::fabs(now.declination[t]);
      for (int n : natalSlots_) {
        PairTrack& pair = pairOf(t, n);
        const double d = DirectedDifference(tl, natalLong_[n]);
        const int band = BandOf(d);
        if (comparable && (band != pair.band || d == band * 15.0)) {
          const double motion = Wrap180(d - pair.difference);
          for (const AspectTarget& target : targets_) {
            const double offsetBefore = Wrap180(pair.difference - target.angle);
            const double offsetAfter = offsetBefore + motion;
            if (!Passes(offsetBefore, offsetAfter)) continue;
            const bool nearerNow = std::fabs(offsetAfter) <= std::fabs(offsetBefore);
            const long at = nearerNow ? minute : minute - 1;
            if (at < first || at >= end) continue;  // the neighbouring range lists it
            const double tAt = nearerNow ? tl : before.longitude[t];
            if (FindAspect(tAt, natalLong_[n], options_).code == target.code)
              found.push_back({at, t, n, target.code, false});
          }
        }
        pair.difference = d;
        pair.band = band;
        if (declines && NatalSlotHasDeclination(n)) {
          const double gap = tDecl - std::fabs(natalDecl_[n]);
          if (comparable && Passes(pair.declinationGap, gap)) {
            const bool nearerNow = std::fabs(gap) <= std::fabs(pair.declinationGap);
            const long at = nearerNow ? minute : minute - 1;
            const double dAt = nearerNow ? now.declination[t] : before.declination[t];
            const ParallelFound p = FindParallel(dAt, natalDecl_[n], options_);
            if (at >= first && at < end && p.kind != DeclinationAspect::None)
              found.push_back({at, t, n, kParallelCode, p.kind == DeclinationAspect::ContraParallel});
          }
          pair.declinationGap = gap;
        }
      }
    }
    std::swap(before, now);
    if (minute >= first && minute < end && ++uncounted == kMinutesPerReport) {
      if (control.minutesDone) control.minutesDone->fetch_add(uncounted, std::memory_order_relaxed);
      uncounted = 0;
      if (control.stop.stop_requested()) break;
    }
  }
  if (control.minutesDone) control.minutesDone->fetch_add(uncounted, std::memory_order_relaxed);
  std::sort(found.begin(), found.end(), ListedBefore);
  return found;
}

}  // namespace halcyra
