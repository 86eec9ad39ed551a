#include "reports/minute_listing.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/ephemeris_driver.h"
#include "core/table_bodies.h"
#include "reports/aspect_finder.h"
#include "reports/listing_points.h"
#include "reports/report_names.h"

namespace halcyra {

namespace {

constexpr int kParallelCode = 7;
constexpr int kLastDiurnalCode = DiurnalOrbCount + 1;  // quincunx

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

// The angle one directed difference must pass for an aspect, and its code.
struct AspectTarget {
  double angle;
  int code;
};

std::vector<AspectTarget> TargetsOf(const std::array<float, DiurnalOrbCount + 1>& orbs) {
  std::vector<AspectTarget> targets;
  for (int code = 2; code <= kLastDiurnalCode; ++code) {
    if (code == kParallelCode || !(orbs[code - 1] > 0)) continue;
    const double a = AngleOfAspect(code);
    targets.push_back({a, code});
    if (a != 0 && a != 180) targets.push_back({360 - a, code});
  }
  return targets;
}

// Every aspect angle is a whole multiple of 15 degrees, so a difference
// can pass one only when its 15-degree band changes or it lands on a band's edge.
int BandOf(double difference) { return static_cast<int>(difference * (1.0 / 15)); }

// One step's positions of the selected transiting slots.
struct StepPositions {
  std::array<double, ListingSlots + 1> longitude{};
  std::array<double, ListingSlots + 1> declination{};
  std::array<bool, ListingSlots + 1> valid{};
};

void ComputeStep(AppState& state, const MinuteListingPeriod& period, long minute,
                 const std::vector<int>& transitSlots, StepPositions& out) {
  ChartState& chart = state.chart;
  chart.clock = ListingClockAt(period.place, period.first, static_cast<double>(minute));
  // no next-day pass: the listing needs no retrograde flags
  CalcPlanetPositions(MomentFromClock(chart.clock), 1, chart.Working);
  CalcTableBodies(chart.clock.ListJulianDay, state.tables, chart.Working);
  for (int slot : transitSlots) {
    out.valid[slot] = !SlotNoData(chart.Working, slot);
    out.longitude[slot] = TransitSlotLongitude(chart.Working, chart.clock, slot);
    const int p = PointOfSlot(slot);
    out.declination[slot] = p != 0 ? chart.Working.Decl[p] : 0;
  }
}

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

OptionTables DiurnalAspectOptions(const std::array<float, DiurnalOrbCount + 1>& diurnalOrb) {
  OptionTables options;
  for (int k = 1; k <= DiurnalOrbCount; ++k) options.OptionValues[k] = diurnalOrb[k];
  options.OptionValues[16] = 0;
  return options;
}

std::vector<MinuteAspect> FindMinuteAspects(AppState& state, const MinuteListingPeriod& period,
                                            const std::string& selection,
                                            const ListingProgress& progress) {
  const ChartSet& natal = state.chart.Natal;
  const OptionTables options = DiurnalAspectOptions(state.options.DiurnalOrb);
  const std::vector<AspectTarget> targets = TargetsOf(state.options.DiurnalOrb);
  const bool parallels = state.options.DiurnalOrb[kParallelCode - 1] > 0;

  std::vector<int> transitSlots, natalSlots;
  for (int slot = 1; slot <= ListingSlots; ++slot) {
    if (TransitSlotSelected(selection, slot)) transitSlots.push_back(slot);
    if (NatalSlotSelected(selection, slot) && !SlotNoData(natal, slot)) natalSlots.push_back(slot);
  }
  std::array<double, ListingSlots + 1> natalLong{}, natalDecl{};
  for (int slot : natalSlots) {
    natalLong[slot] = NatalSlotLongitude(natal, slot);
    const int p = PointOfSlot(slot);
    natalDecl[slot] = p != 0 ? natal.Decl[p] : 0;
  }

  const long steps = std::max(0, period.days) * 1440L;
  std::vector<MinuteAspect> found;
  if (steps == 0 || transitSlots.empty() || natalSlots.empty()) {
    if (progress.report) progress.report(steps, steps);
    return found;
  }

  const ChartClockScope keepClock(state.chart);
  std::vector<PairTrack> track(static_cast<size_t>((ListingSlots + 1) * (ListingSlots + 1)));
  auto pairOf = [&track](int t, int n) -> PairTrack& { return track[t * (ListingSlots + 1) + n]; };

  StepPositions before, now;
  const long every = progress.every > 0 ? progress.every : 240;
  // One step on each side of the period, so that a passage half a minute
  // before the first or after the last listed minute is still placed.
  for (long minute = -1; minute <= steps; ++minute) {
    ComputeStep(state, period, minute, transitSlots, now);
    const bool compare = minute > -1;
    for (int t : transitSlots) {
      if (!now.valid[t]) continue;
      const bool comparable = compare && before.valid[t];
      const double tl = now.longitude[t];
      const bool declines = parallels && TransitSlotHasDeclination(t);
      const double tDecl = std::fabs(now.declination[t]);
      for (int n : natalSlots) {
        PairTrack& pair = pairOf(t, n);
        const double d = DirectedDifference(tl, natalLong[n]);
        const int band = BandOf(d);
        if (comparable && (band != pair.band || d == band * 15.0)) {
          const double motion = Wrap180(d - pair.difference);
          for (const AspectTarget& target : targets) {
            const double offsetBefore = Wrap180(pair.difference - target.angle);
            const double offsetAfter = offsetBefore + motion;
            if (!Passes(offsetBefore, offsetAfter)) continue;
            const bool nearerNow = std::fabs(offsetAfter) <= std::fabs(offsetBefore);
            const long at = nearerNow ? minute : minute - 1;
            if (at < 0 || at >= steps) continue;
            const double tAt = nearerNow ? tl : before.longitude[t];
            if (FindAspect(tAt, natalLong[n], options).code == target.code)
              found.push_back({at, t, n, target.code, false});
          }
        }
        pair.difference = d;
        pair.band = band;
        if (declines && NatalSlotHasDeclination(n)) {
          const double gap = tDecl - std::fabs(natalDecl[n]);
          if (comparable && Passes(pair.declinationGap, gap)) {
            const bool nearerNow = std::fabs(gap) <= std::fabs(pair.declinationGap);
            const long at = nearerNow ? minute : minute - 1;
            const double dAt = nearerNow ? now.declination[t] : before.declination[t];
            const ParallelFound p = FindParallel(dAt, natalDecl[n], options);
            if (at >= 0 && at < steps && p.kind != DeclinationAspect::None)
              found.push_back({at, t, n, kParallelCode, p.kind == DeclinationAspect::ContraParallel});
          }
          pair.declinationGap = gap;
        }
      }
    }
    std::swap(before, now);
    if (progress.report && minute >= 0 && ((minute + 1) % every == 0 || minute + 1 == steps))
      progress.report(minute + 1, steps);
  }
  std::sort(found.begin(), found.end(), [](const MinuteAspect& a, const MinuteAspect& b) {
    if (a.minute != b.minute) return a.minute < b.minute;
    if (a.transitSlot != b.transitSlot) return a.transitSlot < b.transitSlot;
    if (a.natalSlot != b.natalSlot) return a.natalSlot < b.natalSlot;
    return a.code < b.code;
  });
  return found;
}

}  // namespace halcyra
