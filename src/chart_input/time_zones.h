#pragma once
// The time-zone list TZ.DAT: one standard offset per line with places that
// keep it (see docs/city-file.md).
#include <optional>
#include <string>
#include <vector>

#include "state/dot_minutes.h"
#include "chart_input/entry_lines.h"

namespace halcyra {

struct ZoneEntry {
  DotMinutes Zone;     // hours.minutes, west positive: the zone box's own form
  std::string Places;  // free text
};

std::optional<ZoneEntry> ParseZoneLine(const std::string& line);

// The list row: "UTC-05:00  5       New York, Toronto, ...".
std::string ZoneListText(const ZoneEntry& entry);

using LoadedZones = LoadedEntries<ZoneEntry>;
LoadedZones LoadTimeZones(const std::string& path);

}  // namespace halcyra
