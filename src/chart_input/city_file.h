#pragma once
// City files (*.LL): one place per line, the name followed by its longitude,
// latitude and standard zone (see docs/city-file.md).
#include <optional>
#include <string>
#include <vector>

#include "chart_input/entry_lines.h"
#include "chart_input/input_boxes.h"

namespace halcyra {

struct CityEntry {
  std::string Name;
  PlaceTexts Place;  // zone and coordinates as the input boxes take them
};

std::optional<CityEntry> ParseCityLine(const std::string& line);
std::string FormatCityLine(const CityEntry& city);

using LoadedCities = LoadedEntries<CityEntry>;
LoadedCities LoadCityFile(const std::string& path);

}  // namespace halcyra
