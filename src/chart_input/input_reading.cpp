#include "chart_input/input_reading.h"

#include "chart_input/input_checks.h"
#include "state/chart_input.h"

namespace halcyra {

namespace {

class Reader {
 public:
  explicit Reader(WindowReading& reading) : r_(reading) {}

  // The box's whole number within [low, high], or nullopt with the box marked.
  std::optional<int> Whole(const std::string& text, EntryBox box, long low, long high) {
    if (Blank(text, box)) return std::nullopt;
    const std::optional<long> value = WholeBoxNumber(text);
    if (!value || *value < low || *value > high) return Refuse(box);
    return static_cast<int>(*value);
  }

  std::optional<DotMinutes> Zone(const std::string& text) {
    if (Blank(text, EntryBox::Zone)) return std::nullopt;
    const std::optional<DotMinutes> zone = ZoneFromText(text);
    if (!zone) Refuse(EntryBox::Zone);
    return zone;
  }

  // Degrees and minutes of a coordinate up to `limit` degrees and no further.
  std::optional<DegreesMinutes> Coordinate(const std::string& degreesText, const std::string& minutesText,
                                           EntryBox degreesBox, EntryBox minutesBox, int limit) {
    const std::optional<int> degrees = Whole(degreesText, degreesBox, 0, limit);
    const std::optional<int> minutes = Whole(minutesText, minutesBox, 0, 59);
    if (!degrees || !minutes) return std::nullopt;
    if (*degrees == limit && *minutes > 0) return Refuse(minutesBox);
    return DegreesMinutes{*degrees, *minutes};
  }

  std::nullopt_t Refuse(EntryBox box) {
    if (!r_.Fault) r_.Fault = box;
    return std::nullopt;
  }

 private:
  bool Blank(const std::string& text, EntryBox box) {
    if (BoxFilled(text)) return false;
    if (!r_.Blank) r_.Blank = box;
    Refuse(box);
    return true;
  }

  WindowReading& r_;
};

}  // namespace

WindowReading ReadWindowBoxes(const InputBoxTexts& b, int firstYear) {
  WindowReading r;
  Reader read(r);
  const auto month = read.Whole(b.Month, EntryBox::Month, 1, 12);
  const auto day = read.Whole(b.Day, EntryBox::Day, 1, 31);
  const auto year = read.Whole(b.Year, EntryBox::Year, firstYear, LastInputYear);
  if (month && day && year && !DateExists(*year, *month, *day)) read.Refuse(EntryBox::Day);
  const auto hour = read.Whole(b.Hour, EntryBox::Hour, 0, 12);
  const auto minute = read.Whole(b.Minute, EntryBox::Minute, 0, 59);
  const auto zone = read.Zone(b.TZ);
  const auto longitude = read.Coordinate(b.LongDeg, b.LongMin, EntryBox::LongDeg, EntryBox::LongMin, 180);
  const auto latitude = read.Coordinate(b.LatDeg, b.LatMin, EntryBox::LatDeg, EntryBox::LatMin, 90);

  const std::optional<long> latDeg = WholeBoxNumber(b.LatDeg), latMin = WholeBoxNumber(b.LatMin);
  if (latDeg && latMin) r.LatitudeMinutes = *latDeg * 60 + *latMin;
  if (r.Fault) return r;

  r.When.Year = *year, r.When.Month = *month, r.When.Day = *day;
  r.When.Hour = *hour == 0 ? 12 : *hour;
  r.When.Minute = *minute;
  r.When.PM = b.PM;
  r.When.Zone = *zone;
  r.Where = Place::FromDegreesMinutes(*longitude, b.East, *latitude, b.South);
  return r;
}

MomentTexts MomentBoxTexts(const Moment& m) {
  return {std::to_string(m.Month), std::to_string(m.Day), std::to_string(m.Year),
          std::to_string(m.Hour),  std::to_string(m.Minute), m.PM};
}

PlaceTexts PlaceBoxTexts(const DotMinutes& zone, const Place& place) {
  const DegreesMinutes lon = place.LongitudeDM(), lat = place.LatitudeDM();
  return {zone.Text(),
          std::to_string(lon.Degrees),
          std::to_string(lon.Minutes),
          std::to_string(lat.Degrees),
          std::to_string(lat.Minutes),
          place.East(),
          place.South()};
}

InputBoxTexts BoxTextsOf(const Moment& moment, const Place& place) {
  const MomentTexts m = MomentBoxTexts(moment);
  const PlaceTexts p = PlaceBoxTexts(moment.Zone, place);
  return {m.Month, m.Day, m.Year, m.Hour, m.Minute, p.TZ, p.LongDeg, p.LongMin, p.LatDeg, p.LatMin,
          m.PM,    p.East, p.South};
}

}  // namespace halcyra
