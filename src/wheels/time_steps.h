#pragma once
// The wheel window's time steps on the StepRecord: a day, an hour or a
// minute forward or back on the 12-hour clock the input windows use (12 A.M.
// is midnight, 12 P.M. noon; each half day runs 12, 1, 2, ... 11), with the
// carries into the day, the month and the year.
#include "state/chart_input.h"
#include "state/moment.h"

namespace halcyra {

enum class TimeStep { AddDay, AddHour, AddMinute, SubDay, SubHour, SubMinute };

// The years a record may hold: those the input checks accept in the window
// that filled it (the natal window for a single wheel, the transit window
// for a dual one).
struct YearRange {
  int first, last;
};
YearRange StepYearRange(int filledFor);

enum class StepResult {
  Moved,
  InvalidRecord,  // the record holds a date or time the input checks refuse
  BeyondYears,    // the new moment would leave the years of the record
};

// Moves the record's date and time by one step; the place is left alone.
// A record the input checks would refuse, or a step out of `years`, changes
// nothing.
StepResult StepMoment(StepRecord& record, TimeStep step, YearRange years);

}  // namespace halcyra
