#pragma once
// The chart clock of one listed moment: a local clock time counted in
// minutes from midnight of a civil date, at a zone and place. The listings
// step this count; the date rolls over by whole days, so the ephemeris sees
// the day number of the moment's own universal-time date.
#include <string>

#include "state/chart_state.h"
#include "state/place.h"

namespace halcyra {

struct ListingPlace {
  double zoneHours = 0;  // decimal hours, west positive
  Place where;
};

struct ListingDay {
  int year = 0, month = 0, day = 0;
};

ChartClock ListingClockAt(const ListingPlace& place, const ListingDay& day, double localMinutes);

// Keeps the chart clock of the last chart pass while a listing steps
// through its own moments, and puts it back when the listing ends (also by
// an exception): the dated transit listing and later passes read its time
// of day and place.
class ChartClockScope {
 public:
  explicit ChartClockScope(ChartState& chart) : chart_(chart), kept_(chart.clock) {}
  ~ChartClockScope() { chart_.clock = kept_; }
  ChartClockScope(const ChartClockScope&) = delete;
  ChartClockScope& operator=(const ChartClockScope&) = delete;

 private:
  ChartState& chart_;
  ChartClock kept_;
};

// The civil date and the clock text ("hh:mm", 24 hours) of a whole minute
// counted from local midnight of `day`.
ListingDay DayOfMinute(const ListingDay& day, long localMinutes);
std::string ClockText(long localMinutes);

}  // namespace halcyra
