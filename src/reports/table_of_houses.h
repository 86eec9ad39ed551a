#pragma once
// The "Table of Houses": the cusps of the chart's house system at the
// transit place for a run of moments, from the transit chart's moment on
// at a fixed number of minutes between rows. Each row's moment goes
// through the ephemeris into the working set as well, without its next-day pass.
#include <functional>
#include <vector>

#include "reports/listing_clock.h"
#include "state/app_state.h"
#include "state/line_sink.h"

namespace halcyra {

struct HouseTableRequest {
  ListingDay first;          // local date of the first row
  double firstMinute = 0;    // local clock time of the first row, minutes from midnight
  double stepMinutes = 60;
  long rows = 24;
  ListingPlace place;
};

// The transit chart's date, clock time and place, with the given step and rows.
HouseTableRequest HouseTableFromTransit(const ChartInput& input, double stepMinutes, long rows);

// What one of the command's input boxes answered: nothing (Cancel gives an
// empty answer), a whole number above 0 with blanks around it at most, or
// anything else, which the command refuses and asks again.
struct CountAnswer {
  enum Kind { Cancelled, Taken, Refused } kind = Cancelled;
  long value = 0;
};
CountAnswer ReadCountAnswer(const std::string& answer);
inline constexpr const char* CountRefusedText = "Please type a whole number above 0.";

struct HouseTableRow {
  long minute = 0;  // local minutes from midnight of the first row's date
  CuspTable cusps{};
  bool cuspsFound = true;  // false where the house system fails at the latitude
};

// Rows in time order; `progress` gets (rows done, rows in all) after each
// row. The chart clock is put back afterwards; the working set keeps the
// last row's positions.
std::vector<HouseTableRow> ComputeHouseTable(AppState& state, const HouseTableRequest& request,
                                             const std::function<void(long, long)>& progress = {});

// The page: title, house system, place and zone, heading, one row per
// moment: date, time, and the cusps of houses 10, 11, 12, 1, 2 and 3.
void WriteHouseTable(LineSink& out, const std::string& houseSystem, const HouseTableRequest& request,
                     const std::vector<HouseTableRow>& rows);

}  // namespace halcyra
