#include "chart_input/city_file.h"

#include "state/dot_minutes.h"

namespace halcyra {

namespace {
// Fields after the name: longitude degrees, minutes, E/W, latitude degrees,
// minutes, N/S, standard zone (hours.minutes, west positive).
constexpr int CityFieldCount = 7;
}  // namespace

std::optional<CityEntry> ParseCityLine(const std::string& line) {
  if (IsCommentOrBlank(line)) return std::nullopt;
  auto named = SplitNameAndFields(line, CityFieldCount);
  if (!named) return std::nullopt;
  const std::vector<std::string>& f = named->Fields;
  auto longDeg = WholeField(f[0], 0, 180);
  auto longMin = WholeField(f[1], 0, 59);
  auto east = ChoiceField(f[2], 'W', 'E');
  auto latDeg = WholeField(f[3], 0, 90);
  auto latMin = WholeField(f[4], 0, 59);
  auto south = ChoiceField(f[5], 'N', 'S');
  auto zone = DotMinutes::FromText(f[6]);
  if (!longDeg || !longMin || !east || !latDeg || !latMin || !south || !zone) return std::nullopt;
  CityEntry city;
  city.Name = named->Name;
  city.Place = PlaceTexts{zone->Text(), std::to_string(*longDeg), std::to_string(*longMin),
                          std::to_string(*latDeg), std::to_string(*latMin), *east, *south};
  return city;
}

std::string FormatCityLine(const CityEntry& city) {
  const PlaceTexts& p = city.Place;
  return city.Name + "," + p.LongDeg + "," + p.LongMin + "," + (p.East ? "E" : "W") + "," + p.LatDeg +
         "," + p.LatMin + "," + (p.South ? "S" : "N") + "," + p.TZ;
}

LoadedCities LoadCityFile(const std::string& path) { return LoadEntryFile(path, ParseCityLine); }

}  // namespace halcyra
