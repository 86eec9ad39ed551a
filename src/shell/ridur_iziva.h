#pragma once
// The RidurIziva's firing rule: which ticks of the once-a-second clock
// recompute the chart of the moment, for the single or the dual wheel.
namespace halcyra {

enum class RidurIzivaMode { Off, Single, Dual };

// Whether the clock fires at `second` (0 to 59) for the interval of option
// 46, a whole number of seconds after rounding: 60 fires at second 0, any
// other interval at the seconds it divides (so 7 at 0, 7, ... 56, and any
// value above 60 at 0 alone). An interval that rounds to 0 or below never
// fires.
bool RidurIzivaSecondMatches(int second, double interval);

// What one tick recomputes besides the caption: the wheel of the checked
// item when the second matches, nothing while the program is busy (a chart
// being computed, a modal window open), so that charts never nest and
// message boxes never pile up.
RidurIzivaMode RidurIzivaFiring(RidurIzivaMode checked, int second, double interval, bool busy);

}  // namespace halcyra
