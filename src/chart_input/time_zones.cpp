#include "chart_input/time_zones.h"

#include "state/moment.h"

namespace halcyra {

std::optional<ZoneEntry> ParseZoneLine(const std::string& line) {
  if (IsCommentOrBlank(line)) return std::nullopt;
  const size_t comma = line.find(',');
  if (comma == std::string::npos) return std::nullopt;
  // The same limits the zone box is held to.
  const auto zone = ZoneFromText(line.substr(0, comma));
  const std::string places = TrimBlanks(line.substr(comma + 1));
  if (!zone || places.empty()) return std::nullopt;
  return ZoneEntry{*zone, places};
}

std::string ZoneListText(const ZoneEntry& entry) {
  const DotMinutes& z = entry.Zone;
  // West-positive zones are the opposite of the usual UTC notation.
  const bool ahead = z.Negative || (z.Whole == 0 && z.Minutes == 0);
  std::string utc = "UTC";
  utc += ahead ? '+' : '-';
  // Minutes of 60 and more carry into the hours here, as the chart reads them.
  const long hours = z.Whole + z.Minutes / 60, minutes = z.Minutes % 60;
  utc += (hours < 10 ? "0" : "") + std::to_string(hours) + ":" + (minutes < 10 ? "0" : "") +
         std::to_string(minutes);
  std::string zoneText = z.Text();
  if (zoneText.size() < 8) zoneText.append(8 - zoneText.size(), ' ');
  return utc + "  " + zoneText + entry.Places;
}

LoadedZones LoadTimeZones(const std::string& path) { return LoadEntryFile(path, ParseZoneLine); }

}  // namespace halcyra
