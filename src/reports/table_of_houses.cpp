#include "reports/table_of_houses.h"

#include <cmath>
#include <optional>

#include "chart_input/input_checks.h"
#include "chart_input/input_reading.h"
#include "core/angle_helpers.h"
#include "core/ephemeris_driver.h"
#include "core/house_systems.h"
#include "platform/number_format.h"
#include "reports/data_summary.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"

namespace halcyra {

namespace {

// Cusp entries of houses 10, 11, 12, 1, 2 and 3; the other six lie opposite.
constexpr int kListedEntries[6] = {1, 2, 3, 4, 5, 6};

}  // namespace

HouseTableRequest HouseTableFromTransit(const ChartInput& input, double stepMinutes, long rows) {
  HouseTableRequest r;
  r.first = {input.Transit.Year, input.Transit.Month, input.Transit.Day};
  r.firstMinute = input.Transit.LocalHours() * 60;
  r.stepMinutes = stepMinutes;
  r.rows = rows;
  r.place = {input.Transit.ZoneHours(), input.TransitPlace};
  return r;
}

CountAnswer ReadCountAnswer(const std::string& answer) {
  if (!BoxFilled(answer)) return {};
  const std::optional<long> value = WholeBoxNumber(answer);
  if (!value || *value == 0) return {CountAnswer::Refused};
  return {CountAnswer::Taken, *value};
}

std::vector<HouseTableRow> ComputeHouseTable(AppState& state, const HouseTableRequest& request,
                                             const std::function<void(long, long)>& progress) {
  std::vector<HouseTableRow> rows;
  ChartState& chart = state.chart;
  const ChartClockScope keepClock(chart);
  for (long i = 0; i < request.rows; ++i) {
    HouseTableRow row;
    const double minute = request.firstMinute + i * request.stepMinutes;
    row.minute = std::lround(minute);
    chart.clock = ListingClockAt(request.place, request.first, minute);
    // no next-day pass: a row needs no retrograde flags
    CalcPlanetPositions(MomentFromClock(chart.clock), 1, chart.Working);
    row.cuspsFound =
        ComputeHouseCusps(state.options.HouseSystem, chart.clock, row.cusps) == ChartStatus::Ok;
    rows.push_back(row);
    if (progress) progress(i + 1, request.rows);
  }
  return rows;
}

void WriteHouseTable(LineSink& out, const std::string& houseSystem, const HouseTableRequest& request,
                     const std::vector<HouseTableRow>& rows) {
  out.WriteBlankLine();
  out.WriteLine("               Table of Houses");
  out.WriteBlankLine();
  out.WriteLine("  House system = " + HouseSystemName(houseSystem));
  const ListingPlace& place = request.place;
  out.WriteLine("  Place " + PadLeft(FormatNumber(place.where.LatitudeDM().Dot(), "#0.00"), 5) + " " +
                place.where.NSText() + "   " + PadLeft(FormatNumber(place.where.LongitudeDM().Dot(), "##0.00"), 6) +
                " " + place.where.EWText() + "   TZ = " +
                PadLeft(FormatNumber(place.zoneHours, "#0.00"), 6));
  out.WriteBlankLine();
  std::string heading = PadRight("  Date        Time", 19);
  for (const char* label : {"10th", "11th", "12th", "1st", "2nd", "3rd"}) heading += PadLeft(label, 10);
  out.WriteLine(heading);
  for (const HouseTableRow& row : rows) {
    const ListingDay day = DayOfMinute(request.first, row.minute);
    std::string line = "  " + FormatDateDdMmmYyyy(day.day, day.month, day.year) + " " +
                       ClockText(row.minute);
    for (int entry : kListedEntries)
      line += row.cuspsFound ? " " + SignDegMinText(row.cusps[entry]) : std::string("        --");
    out.WriteLine(line);
  }
}

}  // namespace halcyra
