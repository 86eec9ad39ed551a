// Time-zone list lines: a zone that is read lies within the zone box's
// limits and shows in the list.
#include "chart_input/time_zones.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halcyra;
  for (const std::string& line : fuzz::Lines(data, size)) {
    const auto zone = ParseZoneLine(line);
    if (!zone) continue;
    // the box's limits hold for the hours the zone reads as, minutes of 60 and more carried
    if (zone->Zone.Decimal() > 13 || zone->Zone.Decimal() < -14) fuzz::Broken("a zone beyond the box's limits");
    if (ZoneListText(*zone).rfind("UTC", 0) != 0) fuzz::Broken("a zone list row without its UTC column");
  }
  return 0;
}
