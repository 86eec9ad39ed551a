// City-file lines: a line that is read is written back to a line that reads
// to the same entry.
#include "chart_input/city_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halcyra;
  for (const std::string& line : fuzz::Lines(data, size)) {
    const auto city = ParseCityLine(line);
    if (!city) continue;
    const std::string written = FormatCityLine(*city);
    const auto again = ParseCityLine(written);
    if (!again || FormatCityLine(*again) != written) fuzz::Broken("a city entry did not read back");
  }
  return 0;
}
