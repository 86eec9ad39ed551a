#include "chart_input/chart_command_input.h"

#include "chart_input/input_parse.h"

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

  // into the chart of the window that filled the record, whichever wheel shows now
  if (step.FilledFor == 2) {
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

}  // namespace halcyra
