// The chart driver's input side: a wheel time step's moment and place, the
// chart names, and the check that every set can be computed at its place.
#include <cmath>

#include "chart_input/input_parse.h"
#include "core/angle_helpers.h"
#include "core/chart_driver.h"
#include "core/chart_time.h"
#include "core/house_systems.h"

namespace halcyra {

void TakeStepRecordInput(AppState& state) {
  const StepRecord& step = state.step;
  ChartInput& in = state.input;
  const float clockTime = static_cast<float>(step.Hour) + static_cast<float>(step.Minute) / 100;
  const std::string amPm = step.PMFlag == 1 ? "P.M." : "A.M.";
  const std::string dateText = DateTextInOrder(step.Month, step.Day, step.Year, state.flags.DateFormat);
  float longitude = static_cast<float>(step.LongDeg) + static_cast<float>(step.LongMin) / 100;
  if (step.West == 0) longitude = -longitude;
  float latitude = static_cast<float>(step.LatDeg) + static_cast<float>(step.LatMin) / 100;
  if (step.South == 1) latitude = -latitude;
  const std::string ewText = longitude < 0 ? "EAST" : "WEST";
  const std::string nsText = latitude < 0 ? "SOUTH" : "NORTH";

  if (state.flags.WheelKind == 2) {
    in.TransitMonth = step.Month;
    in.TransitDay = step.Day;
    in.TransitYear = step.Year;
    in.ChartClockTime = clockTime;
    in.ChartAmPm = amPm;
    in.TransitDateText = dateText;
    in.TransitTZ = step.TZ;
    in.TransitGeoLong = longitude;
    in.TransitGeoLat = latitude;
    in.TransitEWText = ewText;
    in.TransitNSText = nsText;
    in.NatalAmPmCaption = amPm;
  } else {
    in.NatalMonthInt = step.Month;
    in.NatalDayInt = step.Day;
    in.NatalYearInt = step.Year;
    in.NatalClockTime = clockTime;
    in.NatalAmPm = amPm;
    in.NatalDateText = dateText;
    in.NatalTZ = step.TZ;
    in.NatalAmPmCaption = amPm;
    in.NatalGeoLong = longitude;
    in.NatalGeoLat = latitude;
    in.EWText = ewText;
    in.NSText = nsText;
    in.NatalEWText = ewText;
    in.NatalNSText = nsText;
  }
  // the year of the last birthday follows the stepped date, so the age and
  // the default solar-return year stay true to it
  in.LastBirthdayYear =
      LastBirthdayYear(in.NatalMonthInt, in.NatalDayInt, in.TransitMonth, in.TransitDay, in.TransitYear);
}

void SetChartNames(AppState& state, const std::string& nameText, const std::string& secondPersonCaption) {
  state.chart.ChartName = nameText;
  state.chart.TransitChartName = secondPersonCaption.compare(0, 3, "2nd") == 0 ? "Transits" : secondPersonCaption;
}

namespace {
bool PlaceFits(const std::string& system, double geoLat, double jday, double dayFraction) {
  const double latDeg = DotMinutesToDecimal(std::fabs(geoLat));
  return latDeg < 90 && HouseSystemFitsLatitude(system, latDeg, MeanObliquityDeg(CenturiesFrom1900(jday, dayFraction)));
}
}  // namespace

bool ChartPlacesFit(const AppState& state) {
  const ChartInput& in = state.input;
  const std::string& system = state.options.HouseSystem;
  const DayMoment natal = NatalDayMoment(in);
  const DayMoment transit = TransitDayMoment(in);
  // the progressed set stands at the transit place too
  return PlaceFits(system, in.NatalGeoLat, natal.jday, natal.dayFraction) &&
         PlaceFits(system, in.TransitGeoLat, transit.jday, transit.dayFraction);
}

}  // namespace halcyra
