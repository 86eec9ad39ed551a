// The wheel's time steps on the 12-hour clock: the half-day turns both
// ways, month and year ends, leap days of the Gregorian calendar, and the
// steps the input's year range refuses. Expected moments worked out by hand
// from the civil calendar.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "wheels/time_steps.h"

namespace halcyra {
namespace {

// "M/D/Y h:mm AM" <-> a step record.
StepRecord Record(const char* text) {
  StepRecord r;
  Moment& m = r.When;
  char half[3] = {};
  EXPECT_EQ(std::sscanf(text, "%d/%d/%d %d:%d %2s", &m.Month, &m.Day, &m.Year, &m.Hour, &m.Minute, half), 6) << text;
  m.PM = std::string(half) == "PM";
  return r;
}

std::string Text(const StepRecord& r) {
  const Moment& m = r.When;
  char text[40];
  std::snprintf(text, sizeof text, "%d/%d/%d %d:%02d %s", m.Month, m.Day, m.Year, m.Hour, m.Minute,
                m.PM ? "PM" : "AM");
  return text;
}

constexpr YearRange NatalYears{FirstNatalYear, LastInputYear};
constexpr YearRange TransitYears{FirstTransitYear, LastInputYear};

TEST(TimeSteps, OneStepFromEachMoment) {
  struct Row {
    const char* from;
    TimeStep step;
    const char* to;
  };
  const Row rows[] = {
      // the half-day turns: 12 A.M. is midnight, 12 P.M. noon
      {"7/16/1969 11:00 AM", TimeStep::AddHour, "7/16/1969 12:00 PM"},
      {"7/16/1969 12:00 PM", TimeStep::AddHour, "7/16/1969 1:00 PM"},
      {"7/16/1969 11:30 PM", TimeStep::AddHour, "7/17/1969 12:30 AM"},
      {"7/16/1969 12:00 PM", TimeStep::SubHour, "7/16/1969 11:00 AM"},
      {"7/16/1969 12:00 AM", TimeStep::SubHour, "7/15/1969 11:00 PM"},
      {"7/16/1969 1:00 AM", TimeStep::SubHour, "7/16/1969 12:00 AM"},
      {"7/16/1969 11:59 AM", TimeStep::AddMinute, "7/16/1969 12:00 PM"},
      {"7/16/1969 12:00 PM", TimeStep::SubMinute, "7/16/1969 11:59 AM"},
      {"7/16/1969 11:59 PM", TimeStep::AddMinute, "7/17/1969 12:00 AM"},
      {"7/16/1969 12:00 AM", TimeStep::SubMinute, "7/15/1969 11:59 PM"},
      {"7/16/1969 9:32 AM", TimeStep::AddMinute, "7/16/1969 9:33 AM"},
      // an hour box of 0 reads as 12
      {"7/16/1969 0:15 AM", TimeStep::AddHour, "7/16/1969 1:15 AM"},
      // month and year ends
      {"4/30/1969 9:32 AM", TimeStep::AddDay, "5/1/1969 9:32 AM"},
      {"5/1/1969 9:32 AM", TimeStep::SubDay, "4/30/1969 9:32 AM"},
      {"12/31/1999 11:00 PM", TimeStep::AddHour, "1/1/2000 12:00 AM"},
      {"1/1/2000 12:00 AM", TimeStep::SubMinute, "12/31/1999 11:59 PM"},
      {"1/1/2000 3:00 PM", TimeStep::SubDay, "12/31/1999 3:00 PM"},
      // leap days: 2000 and 2024 have a 29 February, 1900 and 2100 none
      {"2/28/2000 9:00 AM", TimeStep::AddDay, "2/29/2000 9:00 AM"},
      {"3/1/2000 12:00 AM", TimeStep::SubHour, "2/29/2000 11:00 PM"},
      {"2/28/1900 9:00 AM", TimeStep::AddDay, "3/1/1900 9:00 AM"},
      {"3/1/1900 12:00 AM", TimeStep::SubHour, "2/28/1900 11:00 PM"},
      {"3/1/2024 9:00 AM", TimeStep::SubDay, "2/29/2024 9:00 AM"},
      {"2/28/2023 11:59 PM", TimeStep::AddMinute, "3/1/2023 12:00 AM"},
      // before the Gregorian switch the day count is Julian: 1500 has a 29
      // February, and 4 October 1582 is followed by 15 October
      {"2/28/1500 9:00 AM", TimeStep::AddDay, "2/29/1500 9:00 AM"},
      {"10/4/1582 11:59 PM", TimeStep::AddMinute, "10/15/1582 12:00 AM"},
      {"10/15/1582 9:00 AM", TimeStep::SubDay, "10/4/1582 9:00 AM"},
  };
  for (const Row& row : rows) {
    StepRecord r = Record(row.from);
    r.Where = Place::FromDegreesMinutes({80, 36}, false, {28, 36}, false);
    r.When.Zone = DotMinutes{false, 4, 0};
    EXPECT_EQ(StepMoment(r, row.step, NatalYears), StepResult::Moved) << row.from;
    EXPECT_EQ(Text(r), row.to) << "from " << row.from;
    EXPECT_EQ(r.Where, Place::FromDegreesMinutes({80, 36}, false, {28, 36}, false)) << "the place stays";
    EXPECT_EQ(r.When.Zone.Whole, 4) << "the zone stays";
  }
}

TEST(TimeSteps, StepsStayInsideTheYearsTheInputAccepts) {
  struct Row {
    const char* from;
    TimeStep step;
    YearRange years;
    StepResult result;
  };
  const Row rows[] = {
      {"12/31/2099 11:59 PM", TimeStep::AddMinute, NatalYears, StepResult::BeyondYears},
      {"12/31/2099 11:00 PM", TimeStep::AddHour, TransitYears, StepResult::BeyondYears},
      {"12/31/2099 11:00 PM", TimeStep::SubHour, NatalYears, StepResult::Moved},
      {"1/1/100 12:00 AM", TimeStep::SubMinute, NatalYears, StepResult::BeyondYears},
      {"1/1/100 12:00 AM", TimeStep::SubMinute, TransitYears, StepResult::Moved},
      {"1/1/1 9:00 AM", TimeStep::SubDay, TransitYears, StepResult::BeyondYears},
      // a record filled from boxes edited past the checks is not stepped
      {"13/1/1969 9:00 AM", TimeStep::AddDay, NatalYears, StepResult::InvalidRecord},
      {"2/32/1969 9:00 AM", TimeStep::AddDay, NatalYears, StepResult::InvalidRecord},
      {"4/31/1969 9:00 AM", TimeStep::AddDay, NatalYears, StepResult::InvalidRecord},
      {"2/29/1900 9:00 AM", TimeStep::SubDay, NatalYears, StepResult::InvalidRecord},
      {"10/10/1582 9:00 AM", TimeStep::AddDay, TransitYears, StepResult::InvalidRecord},
      {"2/1/1969 13:00 AM", TimeStep::AddDay, NatalYears, StepResult::InvalidRecord},
      {"2/1/1969 9:60 AM", TimeStep::AddDay, NatalYears, StepResult::InvalidRecord},
      {"2/1/2100 9:00 AM", TimeStep::SubDay, NatalYears, StepResult::InvalidRecord},
  };
  for (const Row& row : rows) {
    StepRecord r = Record(row.from);
    EXPECT_EQ(StepMoment(r, row.step, row.years), row.result) << row.from;
    if (row.result != StepResult::Moved) {
      EXPECT_EQ(Text(r), Text(Record(row.from))) << "unchanged";
    }
  }
}

}  // namespace
}  // namespace halcyra
