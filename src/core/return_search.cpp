#include "core/return_search.h"

#include <cmath>

#include "core/angle_helpers.h"
#include "core/calendar.h"
#include "core/chart_time.h"
#include "core/compute_chart.h"
#include "core/house_row.h"
#include "core/house_system_heading.h"
#include "core/house_systems.h"
#include "core/moon.h"
#include "core/sun.h"
#include "platform/number_format.h"
#include "platform/number_text.h"

namespace halcyra {

namespace {

// The moment of one search step and its centuries from JD 2415020, from the
// day number of the search date and the hour variable read in the zone of
// the search.
struct StepMoment {
  double moment = 0;
  double t = 0;
};

StepMoment MomentOfStep(double jday, double zoneHours, double hours) {
  const double f = (zoneHours + hours) / 24;
  return {jday + f - 0.5, CenturiesFrom1900(jday, f)};
}

// The searches step a day of the month past its range; it is read as the
// days gone by since the day they started from, so that the count goes on
// across 4/15 October 1582.
struct DayCount {
  int year, month, firstDay;
  double firstDayNumber;
  DayCount(int y, int m, int d) : year(y), month(m), firstDay(d), firstDayNumber(DateToJulianDay(y, m, d)) {}
  double DayNumber(int day) const { return firstDayNumber + (day - firstDay); }
  // the day as DateToJulianDay reads it, for the chart of the return
  int DayOfMonth(int day) const { return DayOfMonthAt(year, month, DayNumber(day)); }
};

// How far the body still has to go, the short way round: -180 to 180.
double GapToTarget(double target, double longitude) {
  double diff = target - longitude;
  if (diff >= 180) diff -= 360;
  if (diff <= -180) diff += 360;
  return diff;
}

// The set's date text: the year alone, behind three blanks.
std::string YearDateText(int year) { return "   " + StrNumber(year); }

// The whole chart of the return moment the chart clock was just set to, at
// the return place, into `set` (its searched moment and date text kept)
// and the working set; false, and both as they were, when the house system
// cannot be computed there.
bool ComputeReturnChart(AppState& state, bool ingress, double ingressTarget, ChartSet& set) {
  ChartStatus houses = ChartStatus::Ok;
  ChartSet chart = ComputeChart(state.chart.clock, {state.options.HouseSystem, FortuneFormula::Day, 0},
                                state.tables, &houses);
  if (houses != ChartStatus::Ok) return false;
  // the ingress chart shows the Sun exactly on the cardinal point
  if (ingress) {
    chart.Long[Sun] = ingressTarget;
    chart.HouseTags = BuildPlanetHouseRow(chart.Long, chart.Cusp);
  }
  chart.Moment = set.Moment;
  chart.DateText = set.DateText;
  chart.Zone = 0;  // universal time, whatever the zone of the place
  const ReturnSeeds& seeds = state.chart.returns;
  chart.Where = seeds.ReturnPlace;
  // the search leaves its chart in the working set, as every chart pass does
  state.chart.Working = chart;
  set = std::move(chart);
  return true;
}

ReturnSearchResult Failure(int steps, const char* text) { return {false, steps, text}; }

// Whether the angles and the house system can be computed at the return
// place; the check of the chart input keeps this true for every chart
// computed from it, but the house system may have changed since.
bool ReturnPlaceFits(const AppState& state) {
  const double latDeg = std::fabs(state.chart.returns.ReturnPlace.Latitude);
  // the obliquity moves by a hundredth of a degree a century: that of 2000 will do
  return latDeg < 90 && HouseSystemFitsLatitude(state.options.HouseSystem, latDeg, MeanObliquityDeg(1));
}

}  // namespace

double ReturnSearchStartTime(const ChartInput& input) { return input.Natal.LocalHours(); }

ReturnSearchResult SearchSolarReturn(AppState& state) {
  ReturnSeeds& seeds = state.chart.returns;
  const ChartInput& input = state.input;
  const bool ingress = seeds.IngressNumber != 0;
  const int year = ingress ? input.Transit.Year : seeds.SolarReturnYear;
  const double target = ingress ? 90.0 * seeds.IngressNumber - 90 : state.chart.Natal.Long[Sun];
  const double startTime = ReturnSearchStartTime(input);

  int day = input.Natal.Day;
  const int month = input.Natal.Month;
  const DayCount days(year, month, day);
  double hours = startTime;
  bool firstDayStep = true;
  for (int step = 1; step <= ReturnSearchStepLimit; ++step) {
    const StepMoment m = MomentOfStep(days.DayNumber(day), seeds.ReturnTZ, hours);
    const double diff = GapToTarget(target, CalcSunPosition(m.t).SunLong);
    if (std::fabs(diff) < ReturnSearchTolerance) {
      seeds.SolarReturnDay = days.DayOfMonth(day);
      seeds.SolarReturnMonth = month;
      seeds.SolarReturnTime = hours;
      state.returnCharts.SolarReturn.Moment = m.moment;
      state.returnCharts.SolarReturn.DateText = YearDateText(year);
      return {true, step, ""};
    }
    if (std::fabs(diff) < 1) {
      hours += 12 * diff;  // about half the hours the Sun needs: no overshoot
      continue;
    }
    if (ingress && firstDayStep) {
      // keep the ingress within the year of the search, whatever the birthday
      firstDayStep = false;
      const double dayOfYear = Int(diff) + (month - 1) * 30.4375;
      if (dayOfYear + day > 365) day -= 365;
      if (dayOfYear + day < 1) day += 365;
    }
    day += WholeOf(diff);  // the Sun moves about a degree a day
    hours = startTime;
  }
  return Failure(ReturnSearchStepLimit, ingress ? IngressFailedText : SolarReturnFailedText);
}

ReturnSearchResult SearchLunarReturn(AppState& state) {
  ReturnSeeds& seeds = state.chart.returns;
  const double target = state.chart.Natal.Long[Moon];
  const double startTime = ReturnSearchStartTime(state.input);

  int day = seeds.ReturnDay;
  const DayCount days(seeds.ReturnYear, seeds.ReturnMonth, day);
  double hours = startTime;
  for (int step = 1; step <= ReturnSearchStepLimit; ++step) {
    const StepMoment m = MomentOfStep(days.DayNumber(day), seeds.ReturnTZ, hours);
    const double diff = GapToTarget(target, CalcMoonPosition(m.t).MoonLong);
    if (std::fabs(diff) < ReturnSearchTolerance) {
      seeds.ReturnDay = days.DayOfMonth(day);
      seeds.LunarReturnTime = hours;
      state.returnCharts.LunarReturn.Moment = m.moment;
      state.returnCharts.LunarReturn.DateText = YearDateText(seeds.ReturnYear);
      return {true, step, ""};
    }
    if (std::fabs(diff) < 16) {
      hours += 12 * diff / 16;  // well short of the Moon's half a degree an hour
      continue;
    }
    day += WholeOf(diff / 16);  // short of the Moon's 13 degrees a day
    hours = startTime;
  }
  return Failure(ReturnSearchStepLimit, LunarReturnFailedText);
}

ReturnSearchResult FindSolarReturn(AppState& state) {
  if (!ReturnPlaceFits(state)) return Failure(0, ReturnPlaceFailedText);
  ReturnSearchResult result = SearchSolarReturn(state);
  if (!result.found) return result;
  ReturnSeeds& seeds = state.chart.returns;
  seeds.SolarReturnActive = 1;
  const ChartStatus status = CalcChartTimeAndAngles(state);
  seeds.SolarReturnActive = 0;
  const bool ingress = seeds.IngressNumber != 0;
  if (status != ChartStatus::Ok ||
      !ComputeReturnChart(state, ingress, 90.0 * seeds.IngressNumber - 90, state.returnCharts.SolarReturn))
    return Failure(result.steps, ReturnPlaceFailedText);
  return result;
}

ReturnSearchResult FindLunarReturn(AppState& state) {
  if (!ReturnPlaceFits(state)) return Failure(0, ReturnPlaceFailedText);
  ReturnSearchResult result = SearchLunarReturn(state);
  if (!result.found) return result;
  ReturnSeeds& seeds = state.chart.returns;
  seeds.LunarReturnActive = 1;
  const ChartStatus status = CalcChartTimeAndAngles(state);
  seeds.LunarReturnActive = 0;
  if (status != ChartStatus::Ok || !ComputeReturnChart(state, false, 0, state.returnCharts.LunarReturn))
    return Failure(result.steps, ReturnPlaceFailedText);
  return result;
}

ReturnTime ReturnTimeOfMoment(double moment, int dateFormat) {
  // Round to the whole minute first and take everything from the rounded
  // moment, so 23:59.7 becomes midnight of the next date, never "11.60".
  double noon = Int(moment);
  long long minutes = std::llround((moment - noon) * 1440);
  if (minutes >= 1440) {
    noon += 1;
    minutes -= 1440;
  }
  const double rounded = noon + static_cast<double>(minutes) / 1440;

  ReturnTime out;
  const CivilDate date = CivilDateOf(rounded);
  out.year = WholeOf(date.Year);
  out.month = WholeOf(date.Month);
  out.day = WholeOf(date.Day);
  out.dateText = JulianDayToDateString(rounded, dateFormat);
  // minutes count from noon UT
  out.amPm = "P.M.";
  if (minutes >= 720) {
    out.amPm = "A.M.";
    minutes -= 720;
  }
  long long hour = minutes / 60;
  if (hour == 0) hour = 12;
  out.clockTime = static_cast<double>(hour) + static_cast<double>(minutes % 60) / 100;
  return out;
}

namespace {

// The return moment of the set in words: ReturnCharts' DateText and
// ReturnClockTime, and the set's own clock.
ReturnTime FormatReturnTime(AppState& state, ChartSet& set) {
  const ReturnTime rt = ReturnTimeOfMoment(set.Moment, state.flags.DateFormat);
  state.returnCharts.DateText = rt.dateText;
  state.returnCharts.ReturnClockTime = rt.clockTime;
  set.ClockTime = rt.clockTime;
  set.AmPm = rt.amPm;
  return rt;
}

}  // namespace

void FormatSolarReturnTime(AppState& state) { FormatReturnTime(state, state.returnCharts.SolarReturn); }

void FormatLunarReturnTime(AppState& state) { FormatReturnTime(state, state.returnCharts.LunarReturn); }

CaptionBlock ReturnMomentLines(AppState& state, bool solar) {
  ChartSet& set = solar ? state.returnCharts.SolarReturn : state.returnCharts.LunarReturn;
  const ReturnSeeds& seeds = state.chart.returns;
  const ReturnTime rt = FormatReturnTime(state, set);
  CaptionBlock lines{};
  lines[2] = FormatDateDdMmmYyyy(rt.day, rt.month, rt.year);
  // universal time, whatever the zone of the place
  lines[3] = FormatNumber(state.returnCharts.ReturnClockTime, "#0.00") + " " + set.AmPm + " (0)";
  // magnitudes: the EAST/WEST and NORTH/SOUTH texts carry the direction
  lines[4] = FormatNumber(seeds.ReturnPlace.LongitudeDM().Dot(), "##0.00") + " " + seeds.ReturnPlace.EWText();
  lines[5] = FormatNumber(seeds.ReturnPlace.LatitudeDM().Dot(), "#0.00") + " " + seeds.ReturnPlace.NSText();
  return lines;
}

void SetReturnChartTitle(AppState& state) {
  const bool solar = state.chart.ChartKind == 4;
  WheelSets& wheel = state.wheel;
  wheel.WheelCaption1 = ReturnMomentLines(state, solar);
  wheel.WheelCaption2.fill("");
  auto& lines = wheel.WheelCaption1;
  lines[1] = state.chart.ChartName + (solar ? " - solar return" : " - lunar return");
  lines[6] = (solar ? state.returnCharts.SolarReturn : state.returnCharts.LunarReturn).SiderealText;
  SetHouseSystemHeading(state);
}

namespace {

void PutReturnOnWheel(AppState& state, bool solar) {
  const ChartSet& set = solar ? state.returnCharts.SolarReturn : state.returnCharts.LunarReturn;
  state.flags.WheelKind = 1;
  state.chart.ChartKind = solar ? 4 : 5;
  SetReturnChartTitle(state);
  state.wheel.Wheel = set;
  state.chart.Working.SiderealText = set.SiderealText;
  // an ingress has no next or previous in this sense
  if (!solar || state.chart.returns.IngressNumber == 0) state.wheel.ReturnsMenuVisible = 1;
}

void ShowReturnWheel(AppState& state, bool solar) {
  PutReturnOnWheel(state, solar);
  if (state.services.ShowReturnWheel) state.services.ShowReturnWheel(state);
}

}  // namespace

void ShowSolarReturnWheel(AppState& state) { ShowReturnWheel(state, true); }
void ShowLunarReturnWheel(AppState& state) { ShowReturnWheel(state, false); }
void PutSolarReturnOnWheel(AppState& state) { PutReturnOnWheel(state, true); }

namespace {

// Moves the search start by `step` (years of the solar return, days of the
// lunar one) and searches again; a failed search puts the start back.
ReturnSearchResult StepReturn(AppState& state, bool solar, int step) {
  ReturnSeeds& seeds = state.chart.returns;
  int& start = solar ? seeds.SolarReturnYear : seeds.ReturnDay;
  const int before = start;
  start = solar ? start + step : DayCount(seeds.ReturnYear, seeds.ReturnMonth, start).DayOfMonth(start + step);
  ReturnSearchResult result = solar ? FindSolarReturn(state) : FindLunarReturn(state);
  if (!result.found) {
    start = before;
    return result;
  }
  ShowReturnWheel(state, solar);
  return result;
}

}  // namespace

// A lunar month is 27 to 30 days: 22 days on lands past this return and
// short of the next, 35 days back lands before the previous one.
ReturnSearchResult NextSolarReturn(AppState& state) { return StepReturn(state, true, 1); }
ReturnSearchResult PrevSolarReturn(AppState& state) { return StepReturn(state, true, -1); }
ReturnSearchResult NextLunarReturn(AppState& state) { return StepReturn(state, false, 22); }
ReturnSearchResult PrevLunarReturn(AppState& state) { return StepReturn(state, false, -35); }

}  // namespace halcyra
