#include "wheels/time_steps.h"

namespace halcyra {

namespace {

// The day count reads 4 October 1582 as the last Julian date and 15 October
// as the first Gregorian one: the days between do not exist.
bool GregorianSwitchMonth(const Moment& r) { return r.Year == 1582 && r.Month == 10; }

void NextDay(Moment& r) {
  if (GregorianSwitchMonth(r) && r.Day == 4) {
    r.Day = 15;
    return;
  }
  if (++r.Day <= DaysInMonth(r.Month, r.Year)) return;
  r.Day = 1;
  if (++r.Month <= 12) return;
  r.Month = 1;
  ++r.Year;
}

void PreviousDay(Moment& r) {
  if (GregorianSwitchMonth(r) && r.Day == 15) {
    r.Day = 4;
    return;
  }
  if (--r.Day >= 1) return;
  if (--r.Month < 1) {
    r.Month = 12;
    --r.Year;
  }
  r.Day = DaysInMonth(r.Month, r.Year);
}

// Reaching 12 is the turn of a half day: from A.M. to noon, from P.M. to
// midnight of the next day.
void NextHour(Moment& r) {
  r.Hour = r.Hour % 12 + 1;
  if (r.Hour != 12) return;
  if (!r.PM) {
    r.PM = true;
  } else {
    r.PM = false;
    NextDay(r);
  }
}

// Reaching 11 going back crosses a half day: from P.M. to the hour before
// noon, from A.M. to the hour before midnight of the day before.
void PreviousHour(Moment& r) {
  r.Hour = (r.Hour + 10) % 12 + 1;
  if (r.Hour != 11) return;
  if (r.PM) {
    r.PM = false;
  } else {
    r.PM = true;
    PreviousDay(r);
  }
}

bool Within(int value, int low, int high) { return value >= low && value <= high; }

// The dates and times the input checks let through; the hour box shows 0 as 12.
bool RecordAcceptable(const Moment& r, YearRange years) {
  return Within(r.Year, years.first, years.last) && DateExists(r.Year, r.Month, r.Day) && Within(r.Hour, 0, 12) &&
         Within(r.Minute, 0, 59);
}

}  // namespace

YearRange StepYearRange(int filledFor) {
  return {filledFor == 2 ? FirstTransitYear : FirstNatalYear, LastInputYear};
}

StepResult StepMoment(StepRecord& record, TimeStep step, YearRange years) {
  if (!RecordAcceptable(record.When, years)) return StepResult::InvalidRecord;
  Moment r = record.When;
  if (r.Hour == 0) r.Hour = 12;
  switch (step) {
    case TimeStep::AddDay: NextDay(r); break;
    case TimeStep::SubDay: PreviousDay(r); break;
    case TimeStep::AddHour: NextHour(r); break;
    case TimeStep::SubHour: PreviousHour(r); break;
    case TimeStep::AddMinute:
      if (++r.Minute == 60) {
        r.Minute = 0;
        NextHour(r);
      }
      break;
    case TimeStep::SubMinute:
      if (--r.Minute < 0) {
        r.Minute = 59;
        PreviousHour(r);
      }
      break;
  }
  if (!Within(r.Year, years.first, years.last)) return StepResult::BeyondYears;
  record.When = r;
  return StepResult::Moved;
}

}  // namespace halcyra
