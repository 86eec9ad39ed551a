#include "chart_input/input_presets.h"

#include <cmath>

#include "chart_input/dot_minutes.h"
#include "chart_input/input_checks.h"
#include "platform/number_text.h"

namespace halcyra {

namespace {

std::string WholeText(double value) { return std::to_string(RoundHalfEven(value)); }

}  // namespace

MomentTexts MomentBoxTexts(const ClockMoment& moment) {
  MomentTexts texts;
  texts.Month = std::to_string(moment.Month);
  texts.Day = std::to_string(moment.Day);
  texts.Year = std::to_string(moment.Year);
  texts.Hour = std::to_string(moment.Hour);
  texts.Minute = std::to_string(moment.Minute);
  texts.PM = moment.Hour >= 12;
  return texts;
}

PlaceTexts HomePlaceTexts(const OptionTables& options) {
  const auto& v = options.OptionValues;
  PlaceTexts place;
  place.TZ = DotMinutes::FromValue(v[18]).Text();
  place.LongDeg = WholeText(v[19]);
  place.LongMin = WholeText(v[20]);
  place.East = v[21] != 0;
  place.LatDeg = WholeText(v[22]);
  place.LatMin = WholeText(v[23]);
  place.South = v[24] != 0;
  return place;
}

HourBoxChange ApplyHourBoxRule(const std::string& text) {
  HourBoxChange change;
  if (!BoxFilled(text)) {
    change.Empty = true;
    return change;
  }
  const double hour = Val(text);
  if (hour == 0) {
    change.Rewrite = true;
    change.Text = "12";
  } else if (hour > 12) {
    change.ChoosePM = true;
    change.Rewrite = true;
    change.Text = StrNumber(hour - 12, 7).substr(1);  // without the sign's blank
  }
  return change;
}

}  // namespace halcyra
