#include "chart_input/input_parse.h"

#include "chart_input/dot_minutes.h"
#include "chart_input/input_checks.h"
#include "platform/number_text.h"

namespace halcyra {

namespace {

int WholeNumber(const std::string& box) { return static_cast<int>(ValInt(box)); }

// Degrees plus minutes / 100, negative in the east or south.
float SignedCoordinate(const std::string& degrees, const std::string& minutes, bool negative) {
  const double value = Val(degrees) + Val(minutes) / 100;
  return static_cast<float>(negative ? -value : value);
}

// The zone box holds hours and minutes / 100 like every typed value; the
// chart input holds decimal hours.
float ZoneHours(const std::string& box) {
  return static_cast<float>(DotMinutes::FromValue(Val(box)).Decimal());
}

float ClockTime(const InputBoxTexts& b) { return static_cast<float>(Val(b.Hour) + Val(b.Minute) / 100); }

}  // namespace

std::string DateTextInOrder(int month, int day, int year, int dateFormat) {
  const std::string m = std::to_string(month), d = std::to_string(day), y = std::to_string(year);
  switch (dateFormat) {
    case 1: return d + "/" + m + "/" + y;
    case 2: return y + "/" + m + "/" + d;
    default: return m + "/" + d + "/" + y;
  }
}

int LastBirthdayYear(int natalMonth, int natalDay, int transitMonth, int transitDay, int transitYear) {
  const bool birthdayReached =
      transitMonth > natalMonth || (transitMonth == natalMonth && transitDay >= natalDay);
  return birthdayReached ? transitYear : transitYear - 1;
}

void ParseNatalInput(AppState& state, const InputBoxTexts& natal) {
  ChartInput& in = state.input;
  in.NatalMonthInt = WholeNumber(natal.Month);
  in.NatalDayInt = WholeNumber(natal.Day);
  in.NatalYearInt = WholeNumber(natal.Year);
  in.NatalDateText = DateTextInOrder(in.NatalMonthInt, in.NatalDayInt, in.NatalYearInt, state.flags.DateFormat);
  in.NatalClockTime = ClockTime(natal);
  in.NatalAmPm = natal.PM ? "P.M." : "A.M.";
  in.NatalAmPmCaption = in.NatalAmPm;
  in.NatalTZ = ZoneHours(natal.TZ);
  in.NatalGeoLong = SignedCoordinate(natal.LongDeg, natal.LongMin, natal.East);
  in.EWText = natal.East ? "EAST" : "WEST";
  in.NatalGeoLat = SignedCoordinate(natal.LatDeg, natal.LatMin, natal.South);
  in.NSText = natal.South ? "SOUTH" : "NORTH";
}

void ParseTransitInput(AppState& state, const InputBoxTexts& transit) {
  ChartInput& in = state.input;
  in.TransitMonth = WholeNumber(transit.Month);
  in.TransitDay = WholeNumber(transit.Day);
  in.TransitYear = WholeNumber(transit.Year);
  in.TransitDateText = DateTextInOrder(in.TransitMonth, in.TransitDay, in.TransitYear, state.flags.DateFormat);
  in.ChartClockTime = ClockTime(transit);
  in.ChartAmPm = transit.PM ? "P.M." : "A.M.";
  in.TransitTZ = ZoneHours(transit.TZ);
  in.TransitGeoLong = SignedCoordinate(transit.LongDeg, transit.LongMin, transit.East);
  in.TransitEWText = transit.East ? "EAST" : "WEST";
  in.TransitGeoLat = SignedCoordinate(transit.LatDeg, transit.LatMin, transit.South);
  in.TransitNSText = transit.South ? "SOUTH" : "NORTH";
  in.LastBirthdayYear =
      LastBirthdayYear(in.NatalMonthInt, in.NatalDayInt, in.TransitMonth, in.TransitDay, in.TransitYear);
}

bool ReadChartInputFields(AppState& state, const InputBoxTexts& natal, const InputBoxTexts& transit,
                          InputMessages& messages) {
  state.chart.InputError = 0;
  ValidateInputNotBlank(state, natal, transit, messages);
  if (state.chart.InputError != 0) {
    state.chart.ChartReady = 0;
    return false;
  }
  const InputBoxTexts& from = state.flags.WheelKind == 2 ? transit : natal;
  StepRecord& step = state.step;
  step.Month = WholeNumber(from.Month);
  step.Day = WholeNumber(from.Day);
  step.Year = WholeNumber(from.Year);
  step.Hour = WholeNumber(from.Hour);
  step.Minute = WholeNumber(from.Minute);
  step.PMFlag = from.PM ? 1 : 0;
  step.TZ = ZoneHours(from.TZ);
  const WholeDegreesMinutes longitude = CoordinateOfBoxes(Val(from.LongDeg), Val(from.LongMin));
  const WholeDegreesMinutes latitude = CoordinateOfBoxes(Val(from.LatDeg), Val(from.LatMin));
  step.LongDeg = longitude.Degrees;
  step.LongMin = longitude.Minutes;
  step.LatDeg = latitude.Degrees;
  step.LatMin = latitude.Minutes;
  step.West = from.East ? 0 : 1;
  step.South = from.South ? 1 : 0;
  step.FilledFor = state.flags.WheelKind == 2 ? 2 : 1;
  state.chart.ChartReady = 1;
  return true;
}

}  // namespace halcyra
