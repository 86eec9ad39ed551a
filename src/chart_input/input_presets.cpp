#include "chart_input/input_presets.h"

#include "chart_input/input_checks.h"
#include "chart_input/input_reading.h"
#include "platform/number_text.h"

namespace halcyra {

namespace {

std::string WholeText(double value) { return std::to_string(RoundHalfEven(value)); }

}  // namespace

Moment MomentOfNow(const ClockMoment& now, const DotMinutes& zone) {
  const long long localSeconds =
      Moment::MinutesFromEpoch(now.Year, now.Month, now.Day, now.Hour, now.Minute) * 60 + now.Second;
  const long long utcSeconds = localSeconds - now.UtcOffsetSeconds;
  // whole minutes of universal time, counted down also before 1970
  const long long utcMinutes = utcSeconds >= 0 ? utcSeconds / 60 : -((-utcSeconds + 59) / 60);
  return Moment::FromUniversalMinutes(utcMinutes, zone);
}

Moment MomentInZone(const Moment& moment, const DotMinutes& zone) {
  return Moment::FromUniversalMinutes(moment.UniversalMinutes(), zone);
}

DotMinutes HomeZone(const OptionTables& options) { return DotMinutes::FromValue(options.OptionValues[18]); }

PlaceTexts HomePlaceTexts(const OptionTables& options) {
  const auto& v = options.OptionValues;
  PlaceTexts place;
  place.TZ = HomeZone(options).Text();
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
  const std::optional<long> hour = WholeBoxNumber(text);
  if (hour == 0) {
    change.Rewrite = true;
    change.Text = "12";
  } else if (hour && *hour >= 13 && *hour <= 23) {
    change.ChoosePM = true;
    change.Rewrite = true;
    change.Text = std::to_string(*hour - 12);
  }
  return change;
}

}  // namespace halcyra
