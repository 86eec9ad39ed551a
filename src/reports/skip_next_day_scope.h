#pragma once
// The listings compute one moment after another without the ephemeris'
// next-day pass. This guard switches the pass off for one step and puts the
// earlier setting back when the step ends, also when it ends by an
// exception, so no later chart is left without its retrograde flags.
#include "state/chart_state.h"

namespace halcyra {

class SkipNextDayScope {
 public:
  explicit SkipNextDayScope(ChartState& chart) : chart_(chart), previous_(chart.SkipNextDay) {
    chart_.SkipNextDay = 1;
  }
  ~SkipNextDayScope() { chart_.SkipNextDay = previous_; }
  SkipNextDayScope(const SkipNextDayScope&) = delete;
  SkipNextDayScope& operator=(const SkipNextDayScope&) = delete;

 private:
  ChartState& chart_;
  int previous_;
};

}  // namespace halcyra
